#include "osinfo.h"

#include "error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QStandardPaths>
#include <QSysInfo>

#ifdef Q_OS_WIN
#include <comdef.h>
#include <wbemidl.h>
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace platform::os {

QString ComputerName()
{
#ifdef Q_OS_WIN
    wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(buffer, &size) ? QString::fromWCharArray(buffer, int(size)) : QString();
#else
    return QSysInfo::machineHostName();
#endif
}

QString UserName()
{
#ifdef Q_OS_WIN
    wchar_t buffer[257];
    DWORD size = 257;
    return GetUserNameW(buffer, &size) ? QString::fromWCharArray(buffer, int(size) - 1) : QString();
#else
    if (const passwd *pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
#endif
}

QString FirstIPv4OfHostName()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &a : info.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a.toString();
    return QString();
}

QString FirstAdapterAddress()
{
    for (const QNetworkInterface &nic : QNetworkInterface::allInterfaces()) {
        const QString hw = nic.hardwareAddress();
        if (hw.isEmpty())
            continue;
        QString digits = hw;
        digits.remove(QLatin1Char(':')).remove(QLatin1Char('-'));
        if (digits.size() < 12 || digits.count(QLatin1Char('0')) == digits.size())
            continue;
        QStringList bytes;
        for (int i = 0; i < 12; i += 2)
            bytes << digits.mid(i, 2).toUpper();
        return bytes.join(QLatin1Char('-'));
    }
    return QString();
}

#ifdef Q_OS_WIN
QString FirstDiskSerial()
{
    // WMI: SerialNumber of physical drive 0; COM is initialised and released on this thread.
    const HRESULT init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    struct Uninit
    {
        HRESULT hr;
        ~Uninit()
        {
            if (SUCCEEDED(hr))
                CoUninitialize();
        }
    } uninit{init};
    IWbemLocator *locator = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void **>(&locator))))
        throw Error(QStringLiteral("WMI cannot be reached"));
    IWbemServices *services = nullptr;
    const HRESULT connected = locator->ConnectServer(_bstr_t(L"ROOT\\CIMV2"), nullptr, nullptr,
                                                     nullptr, 0, nullptr, nullptr, &services);
    locator->Release();
    if (FAILED(connected))
        throw Error(QStringLiteral("WMI cannot be reached"));
    CoSetProxyBlanket(services, RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                      RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    IEnumWbemClassObject *rows = nullptr;
    const HRESULT queried =
        services->ExecQuery(_bstr_t(L"WQL"),
                            _bstr_t(L"SELECT SerialNumber FROM Win32_DiskDrive WHERE "
                                    L"DeviceID=\"\\\\\\\\.\\\\PHYSICALDRIVE0\""),
                            WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr, &rows);
    services->Release();
    if (FAILED(queried))
        throw Error(QStringLiteral("WMI query failed"));
    QString serial;
    IWbemClassObject *row = nullptr;
    ULONG returned = 0;
    while (rows->Next(WBEM_INFINITE, 1, &row, &returned) == S_OK && returned) {
        VARIANT value;
        if (SUCCEEDED(row->Get(L"SerialNumber", 0, &value, nullptr, nullptr)) &&
            value.vt == VT_BSTR)
            serial = QString::fromWCharArray(value.bstrVal).toUpper(); // the last one wins
        VariantClear(&value);
        row->Release();
    }
    rows->Release();
    return serial;
}
#else
namespace {

bool IsPhysicalDisk(const QString &name)
{
    static const char *const kSkip[] = {"loop", "ram", "dm-", "sr", "zram", "md", "fd", "nbd"};
    for (const char *prefix : kSkip)
        if (name.startsWith(QLatin1String(prefix)))
            return false;
    return true;
}

} // namespace

QString FirstDiskSerial()
{
    // The kernel's list of block devices, in name order; the first real disk counts as disk 0.
    QStringList disks =
        QDir(QStringLiteral("/sys/block")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    disks.erase(std::remove_if(disks.begin(), disks.end(),
                               [](const QString &d) { return !IsPhysicalDisk(d); }),
                disks.end());
    if (disks.isEmpty())
        throw Error(QStringLiteral("No physical disk found"));
    const QString disk = disks.first();
    // NVMe and some virtual disks publish the serial in sysfs; others only in udev's names.
    for (const QString &path : {QStringLiteral("/sys/block/%1/device/serial").arg(disk),
                                QStringLiteral("/sys/block/%1/serial").arg(disk)}) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            const QString serial = QString::fromLatin1(f.readAll()).trimmed();
            if (!serial.isEmpty())
                return serial.toUpper();
        }
    }
    const QDir byId(QStringLiteral("/dev/disk/by-id"));
    for (const QFileInfo &link : byId.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        if (QFileInfo(link.symLinkTarget()).fileName() != disk)
            continue;
        const QString name = link.fileName();
        if (name.startsWith(QLatin1String("wwn-")) || name.startsWith(QLatin1String("nvme-eui")))
            continue;
        // ata-MODEL_SERIAL, scsi-0QEMU_QEMU_HARDDISK_SERIAL, virtio-SERIAL: the serial is last.
        const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
        const QString serial = cut >= 0 ? name.mid(cut + 1) : name.section(QLatin1Char('-'), 1);
        if (!serial.isEmpty())
            return serial.toUpper();
    }
    throw Error(QStringLiteral("The disk %1 reports no serial number").arg(disk));
}
#endif

QString RoamingDataFolder()
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);  // ~/.local/share
#endif
}

QString DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString LocalDataFolder()
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation); // ~/.cache
#endif
}

} // namespace platform::os
