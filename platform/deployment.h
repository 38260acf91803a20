#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The addresses and identities a deployment fixes at build time (CMake cache values), each
// overridable by an environment variable (see docs/deployment.md). Read once, then fixed.
struct Deployment
{
    QString firmWebHost;      // DORVENA_WEB_HOST: the firm's web host, also the server from outside
    QString serverLanAddress; // DORVENA_LAN_ADDRESS: the server inside the firm's network
    QString serverPublicAddress; // DORVENA_PUBLIC_ADDRESS: the firm's public address
    int serverPort = 9090;       // DORVENA_SERVER_PORT
    int webPort = 80;            // DORVENA_WEB_PORT: port of the web host pages
    QString makerIpEchoUrl;      // DORVENA_IP_ECHO_URL: the maker's address-echo page (.../ip.php)
    QString publicIpEchoUrl; // DORVENA_PUBLIC_IP_ECHO_URL: the public address-echo service (.../ip)
    QString downloadHost;    // DORVENA_DOWNLOAD_HOST: where /exe/VelkorSetup.exe is fetched
    QString firmWebAddress;  // DORVENA_WEB_ADDRESS: the web site in the menu
    QStringList
        machineAliases; // DORVENA_MACHINE_ALIASES: disk serials standing for one identifier (';')
    QString machineAliasId;    // DORVENA_MACHINE_ALIAS_ID: that identifier
    QString machineIdOverride; // DORVENA_MACHINE_ID: use this identifier (demo and test machines)

    // "http://host:port" of the web host for a host name (the port left out when it is 80).
    QString WebBase(const QString &host) const;

    static const Deployment &Current();
};

} // namespace platform
