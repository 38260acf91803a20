#include "sekmeyukleme.h"

#include "beklesinu.h"
#include "utils.h"

#include "platform/busyindicator.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "server/proxim.h"

bool SekmeYukleme::Yukle(const platform::Connection &bagc, Cagri cagri)
{
    if (*m_running)
        return false;
    *m_running = true;
    if (m_sayfa.mesgul)
        m_sayfa.mesgul->Start();
    if (m_sayfa.grid)
        m_sayfa.grid->setEnabled(false);

    struct Sonuc
    {
        std::unique_ptr<platform::DataSet> rows;
        bool failed = true;
    };
    auto sonuc = std::make_shared<Sonuc>();
    auto copy = std::make_shared<platform::Connection>(bagc);
    ArkaPlanda([sonuc, copy, cagri = std::move(cagri)] {
        try {
            if (!BaglantiAc(*copy, 0))
                return;
            {
                TServerMethods1Client proxy(copy.get());
                std::unique_ptr<platform::DataSet> rows = cagri(proxy);
                if (rows) {
                    SayiBicimle(*rows);
                    sonuc->rows = std::move(rows);
                    sonuc->failed = false;
                }
            }
            copy->Close();
        } catch (...) {
            // Any failure of the call is the one connection message, not a second error box.
            sonuc->failed = true;
        }
    })->Await([sayfa = m_sayfa, running = m_running, sonuc] {
        *running = false;
        if (sayfa.grid)
            sayfa.grid->setEnabled(true);
        if (sayfa.mesgul)
            sayfa.mesgul->Stop();
        if (sonuc->failed) {
            MesajGoster(kBaglantiKurulamiyor, 1, {platform::DialogButton::Ok},
                        platform::DialogButton::Ok);
            return;
        }
        if (sayfa.yuklendi)
            sayfa.yuklendi(std::move(sonuc->rows));
    });
    return true;
}
