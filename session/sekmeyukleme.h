#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class TServerMethods1Client;

namespace platform {
class BusyIndicator;
class Connection;
class DataSet;
} // namespace platform

// The way a tab page loads its list: busy picture on, grid off; on a worker a copy of the
// main connection opened silently, one server call, the rows taken over with the float format
// applied; back on the main thread the new rows handed to the page, the grid on, busy picture
// off, and on failure the connection message (the old rows stay). A page whose load is still
// running starts no second one.
class SekmeYukleme
{
public:
    // What the page does around the load, on the main thread.
    struct Sayfa
    {
        QPointer<QWidget> grid;                   // disabled during the load
        QPointer<platform::BusyIndicator> mesgul; // the page's busy picture
        // Takes the loaded rows (only on success) and writes the caption.
        std::function<void(std::unique_ptr<platform::DataSet> rows)> yuklendi;
    };
    // The one server call, on the worker; returns rows the caller will own.
    using Cagri = std::function<std::unique_ptr<platform::DataSet>(TServerMethods1Client &proxy)>;

    explicit SekmeYukleme(Sayfa sayfa) : m_sayfa(std::move(sayfa)) {}

    // Starts a load on a copy of `bagc`; false when one is already running.
    bool Yukle(const platform::Connection &bagc, Cagri cagri);
    bool Calisiyor() const { return *m_running; }

private:
    Sayfa m_sayfa;
    std::shared_ptr<bool> m_running = std::make_shared<bool>(false);
};
