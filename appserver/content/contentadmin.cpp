#include "contentadmin.h"

#include "banners.h"
#include "openingscreens.h"
#include "tickertext.h"

#include "appserver/data/admin.h"
#include "platform/error.h"

#include <QFile>
#include <QFileInfo>

namespace appserver {
namespace {

QByteArray ReadFile(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    if (file.size() == 0)
        throw platform::Error(QStringLiteral("%1 is empty").arg(path));
    if (file.size() > maxBytes)
        throw platform::Error(QStringLiteral("%1 is larger than %2 bytes").arg(path).arg(maxBytes));
    return file.readAll();
}

} // namespace

void SetTicker(Database &db, const QString &html)
{
    const QString problem = content::TickerProblem(html);
    if (!problem.isEmpty())
        throw platform::Error(
            QStringLiteral("The ticker text would not show whole: %1").arg(problem));
    SetSetting(db, QStringLiteral("ticker"), html);
}

void SetAdvert(Database &db, int sequence, const QString &title, const QByteArray &jpeg,
               const QString &target)
{
    content::StoreOpeningScreen(db, {sequence, title, jpeg, target});
}

void SetAdvertFromFile(Database &db, int sequence, const QString &title, const QString &jpegFile,
                       const QString &target)
{
    SetAdvert(db, sequence, title, ReadFile(jpegFile, content::kMaxPictureBytes), target);
}

bool RemoveAdvert(Database &db, int sequence)
{
    return content::RemoveOpeningScreen(db, sequence);
}

void SetBanner(Database &db, int slot, const QByteArray &bytes)
{
    content::StoreBanner(db, content::BannerSlotOf(slot), bytes);
}

void SetBannerFromFile(Database &db, int slot, const QString &file)
{
    const content::BannerSlot place = content::BannerSlotOf(slot);
    content::StoreBanner(db, place, ReadFile(file, content::kMaxBannerBytes));
}

void SetInstaller(Database &db, const QString &path)
{
    if (path.trimmed().isEmpty()) {
        SetSetting(db, QStringLiteral("installer"), QString());
        return;
    }
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        throw platform::Error(QStringLiteral("The installer %1 is not a readable file").arg(path));
    SetSetting(db, QStringLiteral("installer"), info.absoluteFilePath());
}

} // namespace appserver
