#include "utils.h"

#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"

#include <chrono>
#include <thread>

namespace {
constexpr int kOpenAttempts = 11;
constexpr auto kRetryPause = std::chrono::milliseconds(500);
} // namespace

int MesajGoster(const QString &text, int kind, const QList<platform::DialogButton> &buttons,
                platform::DialogButton focused)
{
    platform::MessageRequest request;
    request.text = text;
    request.kind = kind;
    request.buttons = buttons;
    request.focused = focused;
    return platform::CurrentShell().ShowMessage(request);
}

bool BaglantiAc(platform::Connection &connection, int mode)
{
    connection.Close();
    for (int attempt = 1; attempt <= kOpenAttempts; ++attempt) {
        try {
            connection.Open();
            return true;
        } catch (const platform::Error &) {
            connection.Close();
            std::this_thread::sleep_for(kRetryPause);
        }
    }
    if (mode == 1)
        MesajGoster(kBaglantiKurulamiyor, 1, {platform::DialogButton::Ok}, platform::DialogButton::Ok);
    return false;
}

void SayiBicimle(platform::DataSet &dataset)
{
    for (int i = 0; i < dataset.FieldCount(); ++i) {
        platform::Field &field = dataset.Fields(i);
        if (field.IsFloatField())
            field.SetDisplayFormat(QStringLiteral("#,###,##0.00"));
    }
}

bool KayitVarmi(const platform::DataSet *dataset)
{
    return dataset && dataset->Active() && dataset->RecordCount() > 0;
}

bool SeciliVarmi(platform::DataSet *dataset)
{
    if (!KayitVarmi(dataset))
        return false;
    const platform::Field &sec = dataset->FieldByName(QStringLiteral("SEC"));
    for (dataset->First(); !dataset->Eof(); dataset->Next())
        if (sec.AsInteger() == 1)
            return true;
    return false;
}
