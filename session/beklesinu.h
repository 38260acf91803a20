#pragma once

#include <functional>
#include <memory>

// Runs a piece of work on a pool worker, then a continuation on the thread that asked:
//     ArkaPlanda([&] { ... talk to the server ... }).Await([=] { ... show it ... });
// Await returns at once. When the work has ended the continuation runs on the calling thread
// (which needs an event loop); an error that escaped the work is then shown by the default
// error display, after the continuation.
class IAwait
{
public:
    virtual ~IAwait() = default;
    virtual void Await(std::function<void()> proc) = 0;
};

class TAwait : public IAwait
{
public:
    explicit TAwait(std::function<void()> async) : FAsync(std::move(async)) {}
    void Await(std::function<void()> proc) override;

private:
    std::function<void()> FAsync;
};

std::unique_ptr<IAwait> ArkaPlanda(std::function<void()> async);
