#pragma once

#include <QString>

// The per-machine data folder "<base>/Ombrelle Tech/Tallimark/", created at
// start-up. base is the first writable generic data location (usually
// ~/.local/share).
QString DataFolderBase();

// Creates the folder under base. On success folder holds it with a trailing
// separator; on failure errorCode holds the system's error number.
bool CreateDataFolder(const QString& base, QString* folder, int* errorCode);

// Message 124 for errorCode, the code shown in eight hexadecimal digits.
QString DataFolderErrorMessage(int errorCode);

// CreateDataFolder on DataFolderBase(); failure is reported with message 124.
bool InitDataFolder(QString* folder);
