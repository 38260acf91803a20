#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;

// Downloads the new version's installer, starts it silently and ends the program.
class Tdosyaindir : public QDialog
{
    Q_OBJECT

public:
    // The notice names the server's version and this program's own.
    Tdosyaindir(QWidget *owner, int serverVersion);
    ~Tdosyaindir() override;

    static constexpr int kOwnVersion = 7;
    static QString InstallerUrl();  // the download host's "/exe/VelkorSetup.exe"
    static QString InstallerPath(); // "VelkorSetup.exe" in the local application-data folder
    // "Bilgi: %50,00  İndirilen: 1,50/3,00 Mb" under the current locale.
    static QString ProgressText(qint64 received, qint64 total);

    QLabel *sLabel1;
    QLabel *bilgi;
    QProgressBar *ProgressBar1;
    bool basladi = false;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
    void Finished();

    QString m_url;
    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
};
