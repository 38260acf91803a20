#pragma once

#include "httpmessage.h"

#include <QtGlobal>
#include <atomic>
#include <functional>
#include <mutex>

namespace appserver {

// One request waiting for its answer. Whoever produces the answer (a worker, the notification
// channel, the io thread) may do so from any thread, once. The connection can give the exchange
// up when its client hangs up; a producer that wants to know whether its answer will reach
// anyone claims the exchange first (the channel must not hand a message to a gone client).
class Exchange
{
public:
    using Sink = std::function<void(HttpAnswer)>;

    explicit Exchange(Sink sink) : m_sink(std::move(sink)) {}
    Exchange(const Exchange &) = delete;
    Exchange &operator=(const Exchange &) = delete;

    // Takes the right to answer; false when answered, claimed or given up already.
    bool Claim();
    // Sends the answer of a successful Claim().
    void Send(HttpAnswer answer);
    // Claim() and Send() in one; false when the answer went nowhere.
    bool Answer(HttpAnswer answer);

    // Asks that a hang-up of the client gives this exchange up (a long poll). Without it the
    // answer is still written: a client that only closed its sending side may want it.
    void CancelOnHangUp() { m_cancelOnHangUp.store(true); }
    // Called by the connection when its client hung up; true when the exchange is now given up.
    bool HangUp();
    bool Abandoned() const { return m_state.load() == State::Abandoned; }

private:
    enum class State { Waiting, Claimed, Abandoned };
    Sink TakeSink();

    std::atomic<State> m_state{State::Waiting};
    std::atomic<bool> m_cancelOnHangUp{false};
    std::mutex m_sinkLock; // the sink is taken once, by Send or by HangUp
    Sink m_sink;
};

} // namespace appserver
