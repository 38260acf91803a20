#include "deployment.h"

namespace platform {
namespace {

QString Env(const char *name, const char *fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString::fromUtf8(fallback) : value;
}

int EnvInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok && value > 0 && value < 65536 ? value : fallback;
}

Deployment Read()
{
    Deployment d;
    d.firmWebHost = Env("DORVENA_WEB_HOST", B2B_FIRM_WEB_HOST);
    d.serverLanAddress = Env("DORVENA_LAN_ADDRESS", B2B_SERVER_LAN_ADDRESS);
    d.serverPublicAddress = Env("DORVENA_PUBLIC_ADDRESS", B2B_SERVER_PUBLIC_ADDRESS);
    d.serverPort = EnvInt("DORVENA_SERVER_PORT", B2B_SERVER_PORT);
    d.webPort = EnvInt("DORVENA_WEB_PORT", B2B_WEB_PORT);
    d.makerIpEchoUrl = Env("DORVENA_IP_ECHO_URL", B2B_IP_ECHO_URL);
    d.publicIpEchoUrl = Env("DORVENA_PUBLIC_IP_ECHO_URL", B2B_PUBLIC_IP_ECHO_URL);
    d.downloadHost = Env("DORVENA_DOWNLOAD_HOST", B2B_DOWNLOAD_HOST);
    d.firmWebAddress = Env("DORVENA_WEB_ADDRESS", B2B_FIRM_WEB_ADDRESS);
    d.machineAliases = Env("DORVENA_MACHINE_ALIASES", B2B_MACHINE_ALIASES)
                           .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    d.machineAliasId = Env("DORVENA_MACHINE_ALIAS_ID", B2B_MACHINE_ALIAS_ID);
    d.machineIdOverride = qEnvironmentVariable("DORVENA_MACHINE_ID");
    return d;
}

} // namespace

QString Deployment::WebBase(const QString &host) const
{
    return webPort == 80 ? QStringLiteral("http://%1").arg(host)
                         : QStringLiteral("http://%1:%2").arg(host).arg(webPort);
}

const Deployment &Deployment::Current()
{
    static const Deployment deployment = Read();
    return deployment;
}

} // namespace platform
