#pragma once

#include <QString>

// What the operating system tells about this computer. Each has a Windows source (the
// system's own facilities) and a Linux one.
namespace platform::os {

QString ComputerName(); // the host's name; empty when unknown
QString UserName();     // the process's user; empty when unknown
QString
FirstIPv4OfHostName(); // the first IPv4 address the host's own name resolves to; empty when none
QString
FirstAdapterAddress(); // "00-1A-2B-3C-4D-5E" of the first adapter whose address is not all zeros
// The serial number of the first physical disk, as the system reports it. Raises
// platform::Error when the system cannot tell.
QString FirstDiskSerial();
QString RoamingDataFolder(); // the user's roaming application-data folder
QString DocumentsFolder();
QString LocalDataFolder(); // the user's local application-data folder

} // namespace platform::os
