#pragma once

#include "appserver/data/schema.h"

#include <vector>

namespace appserver {

// The tables of the wholesaler's content and of what reaches it from outside: the opening
// screens (adverts and announcements), the three banners, the outbox of mail and password
// requests, the access requests of computers the server does not know, and the card payments
// begun on the payment page. The ticker text and the installer's file are settings ("ticker",
// "installer") of the shared settings table.
std::vector<SchemaStep> ContentSchema();

} // namespace appserver
