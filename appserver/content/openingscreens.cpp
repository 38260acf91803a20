#include "openingscreens.h"

#include "appserver/data/database.h"
#include "platform/error.h"

#include <QBuffer>
#include <QImageReader>
#include <QSqlQuery>

namespace appserver::content {
namespace {

const QString kSelect = QStringLiteral("SELECT sirano, baslik, resim, arama FROM acilis_reklam");

OpeningScreen Read(const QSqlQuery &query)
{
    OpeningScreen screen;
    screen.sequence = query.value(0).toInt();
    screen.title = query.value(1).toString();
    screen.jpeg = query.value(2).toByteArray();
    screen.target = query.value(3).toString();
    return screen;
}

void RequireJpeg(const QByteArray &jpeg)
{
    if (jpeg.isEmpty())
        return;
    if (jpeg.size() > kMaxPictureBytes)
        throw platform::Error(
            QStringLiteral("An opening screen's picture may have at most %1 bytes, not %2")
                .arg(kMaxPictureBytes)
                .arg(jpeg.size()));
    // The client reads the picture as a JPEG and nothing else.
    QByteArray copy = jpeg;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    if (!jpeg.startsWith("\xFF\xD8\xFF") || reader.read().isNull())
        throw platform::Error(QStringLiteral("An opening screen's picture must be a JPEG file"));
}

} // namespace

int OpeningScreenCount(Database &db)
{
    return db.Scalar(QStringLiteral("SELECT COUNT(*) FROM acilis_reklam")).toInt();
}

std::optional<OpeningScreen> OpeningScreenAt(Database &db, int index)
{
    if (index < 0)
        return std::nullopt;
    QSqlQuery query =
        db.Exec(kSelect + QStringLiteral(" ORDER BY sirano LIMIT 1 OFFSET ?"), {index});
    if (!query.next())
        return std::nullopt;
    return Read(query);
}

std::vector<OpeningScreen> OpeningScreens(Database &db)
{
    std::vector<OpeningScreen> screens;
    QSqlQuery query = db.Exec(kSelect + QStringLiteral(" ORDER BY sirano"));
    while (query.next())
        screens.push_back(Read(query));
    return screens;
}

void StoreOpeningScreen(Database &db, const OpeningScreen &screen)
{
    if (screen.sequence < 1)
        throw platform::Error(
            QStringLiteral("An opening screen's sequence number is 1 or more, not %1")
                .arg(screen.sequence));
    if (screen.title.size() > kMaxTitleLength || screen.target.size() > kMaxTargetLength)
        throw platform::Error(
            QStringLiteral("An opening screen's title and target may have at most %1 "
                           "and %2 characters")
                .arg(kMaxTitleLength)
                .arg(kMaxTargetLength));
    RequireJpeg(screen.jpeg);
    Transaction tx(db);
    db.Exec(QStringLiteral("DELETE FROM acilis_reklam WHERE sirano = ?"), {screen.sequence});
    db.Exec(
        QStringLiteral(
            "INSERT INTO acilis_reklam (sirano, baslik, resim, arama) VALUES (?, ?, ?, ?)"),
        {screen.sequence, screen.title,
         screen.jpeg.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(screen.jpeg),
         screen.target});
    tx.Commit();
}

bool RemoveOpeningScreen(Database &db, int sequence)
{
    Transaction tx(db);
    const bool existed =
        db.Scalar(QStringLiteral("SELECT 1 FROM acilis_reklam WHERE sirano = ?"), {sequence})
            .isValid();
    db.Exec(QStringLiteral("DELETE FROM acilis_reklam WHERE sirano = ?"), {sequence});
    tx.Commit();
    return existed;
}

QString HexText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

} // namespace appserver::content
