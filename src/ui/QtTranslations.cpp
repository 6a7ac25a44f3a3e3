#include "ui/QtTranslations.h"

#include "i18n/LocalisedTable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <array>
#include <memory>
#include <string_view>

namespace tamb {
namespace {

// Qt's name of each interface language, in LanguageId order.
constexpr std::array<std::string_view, kLanguageRows> kQtLanguageNames { "zh_CN", "en", "de", "fi", "it", "fr", "hu",
    "sl", "cs", "ja", "lt", "pl", "tr", "uk", "ru" };

} // namespace

void UseQtTranslations(LanguageId language)
{
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    const std::string_view name = kQtLanguageNames[LanguageRow(language)];
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(
            QStringLiteral("qtbase_") + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        installed = std::move(translator);
    }
}

} // namespace tamb
