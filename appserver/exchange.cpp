#include "exchange.h"

#include <utility>

namespace appserver {

bool Exchange::Claim()
{
    State expected = State::Waiting;
    return m_state.compare_exchange_strong(expected, State::Claimed);
}

Exchange::Sink Exchange::TakeSink()
{
    // The sink holds the connection alive; letting go of it here breaks the cycle between the
    // connection and its pending exchange.
    std::lock_guard lock(m_sinkLock);
    return std::exchange(m_sink, nullptr);
}

void Exchange::Send(HttpAnswer answer)
{
    Q_ASSERT(m_state.load() == State::Claimed);
    if (Sink sink = TakeSink())
        sink(std::move(answer));
}

bool Exchange::Answer(HttpAnswer answer)
{
    if (!Claim())
        return false;
    Send(std::move(answer));
    return true;
}

bool Exchange::HangUp()
{
    if (!m_cancelOnHangUp.load())
        return false;
    State expected = State::Waiting;
    if (!m_state.compare_exchange_strong(expected, State::Abandoned))
        return false;
    TakeSink();
    return true;
}

} // namespace appserver
