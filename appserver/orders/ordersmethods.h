#pragma once

namespace appserver {

class DatabasePool;
class MethodHandlers;

// Offers the catalogue, basket, order and back-order methods (StokAraGetir, YenilerVer2,
// KampanyaliVer2, ResimVer5, SepetVer2, SepetEkle2, SepetGuncelle2, SepetSecimGuncelle,
// SepetSatirSil, SepetHepsiniSil, SiparisKaydet, OncekiSiparisler, SiparisAyrintisi2,
// SiparisAytintisiDip, TumSiparislerVer, BakiyelerVer2, BakiyeDuzenle, BakiyeDegistir,
// BakiyeFiyatDegistir and their older variants). Each call uses the database connection of the
// worker it runs on; the pool must outlive the handlers.
void RegisterOrdersMethods(MethodHandlers &handlers, DatabasePool &pool);

} // namespace appserver
