#include "ledger/MuhasebeKurulumu.h"
#include "ledger/AlisMuhasebesi.h"
#include "ledger/BankaHareketMuhasebesi.h"
#include "ledger/BelgeTurleri.h"
#include "ledger/BordroMuhasebesi.h"
#include "ledger/CariHareketMuhasebesi.h"
#include "ledger/GenelFisMuhasebesi.h"
#include "ledger/KasaHareketMuhasebesi.h"
#include "ledger/SatisMaliyetMuhasebesi.h"
#include "ledger/SatisMuhasebesi.h"
#include "ledger/StokFisiMuhasebesi.h"
#include "model/LedgerHook.h"

namespace nimbo {

void muhasebeyiKur()
{
    BelgeTurleri::kaydet(CariHareketMuhasebesi::tanim());
    BelgeTurleri::kaydet(KasaHareketMuhasebesi::tanim());
    BelgeTurleri::kaydet(BankaHareketMuhasebesi::tanim());
    BelgeTurleri::kaydet(BordroMuhasebesi::tanim());
    BelgeTurleri::kaydet(GenelFisMuhasebesi::tanim());
    BelgeTurleri::kaydet(SatisMuhasebesi::tanim());
    BelgeTurleri::kaydet(AlisMuhasebesi::tanim());
    BelgeTurleri::kaydet(SatisMaliyetMuhasebesi::tanim());
    BelgeTurleri::kaydet(StokFisiMuhasebesi::tanim());
    LedgerHook::install(
        [](const Db& db, const LedgerRequest& r) {
            if (const BelgeTuru* t = BelgeTurleri::tablodan(r.document))
                BelgeTurleri::muhasebelestir(db, *t, r.number, true);
        },
        // A kind nobody registered yet asks nothing and stays unposted.
        [](const LedgerRequest& r) { return BelgeTurleri::kapsar(r.document, r.type); });
}

} // namespace nimbo
