#include "ui/QtTranslations.h"

#include "i18n/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string_view>

namespace tamb {

void UseQtTranslations(LanguageId language)
{
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    const std::string_view name = LanguageOf(language).qtName;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(
            QStringLiteral("qtbase_") + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        installed = std::move(translator);
    }
}

} // namespace tamb
