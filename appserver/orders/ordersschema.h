#pragma once

#include "appserver/data/schema.h"

#include <QString>
#include <vector>

namespace appserver {

// The tables of the catalogue, basket, order and back-order methods (module "orders"): basket
// lines, orders with their state, delivery and cargo, order lines with the quantity delivered,
// and the small lists of states, delivery kinds, cargo kinds and cargo companies.
std::vector<SchemaStep> OrdersSchema();

namespace orders {

// The states of an order's workflow, as stored in siparis.durum; the wholesaler moves an order
// through them, the client only reads them.
enum class SiparisDurumu {
    Alindi = 1,            // received
    Onaylandi = 2,         // approved
    Goruldu = 3,           // seen
    ParcaliHazirlandi = 4, // partly prepared
    Hazirlandi = 5,        // prepared
    SevkEdildi = 6,        // shipped
};

// The state's name as the lists show it ("Alındı", ...).
QString SiparisDurumuAdi(SiparisDurumu durum);

} // namespace orders
} // namespace appserver
