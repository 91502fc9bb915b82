#pragma once

#include <QSettings>

#include <memory>

// The per-user settings store of the editor: key "Vantreme", application "tolvex".
inline std::unique_ptr<QSettings> AppSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("Vantreme"), QStringLiteral("tolvex"));
}
