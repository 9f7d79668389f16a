#include "shell/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>
#include <filesystem>
#include <libintl.h>
#include <string_view>

namespace zandiro {
namespace {

// The compiled catalogues: beside the program in the build tree
// (build/release/locale), otherwise in share/locale of the prefix the program
// is installed in, whatever it is (/usr, ~/.local, Flatpak's /app).
std::filesystem::path catalogueDirectory() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = program.parent_path();
    if (std::filesystem::is_directory(folder / "locale", error)) {
        return folder / "locale";
    }
    return folder.parent_path() / "share" / "locale";
}

// The language of the catalogue gettext chose, from its header ("Language: de"),
// so that Qt's texts follow exactly the language of the program's own.
QString catalogueLanguage() {
    const std::string_view header = dgettext(ZANDIRO_TEXT_DOMAIN, "");
    constexpr std::string_view field = "Language: ";
    const auto at = header.find(field);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = header.substr(at + field.size());
    return QString::fromUtf8(rest.substr(0, rest.find('\n')));
}

} // namespace

void useDesktopLanguage() {
    std::setlocale(LC_ALL, "");
    bindtextdomain(ZANDIRO_TEXT_DOMAIN, catalogueDirectory().c_str());
    // Captions go to Qt as UTF-8 whatever the locale's own character set.
    bind_textdomain_codeset(ZANDIRO_TEXT_DOMAIN, "UTF-8");
}

void translateQtTexts() {
    QCoreApplication* application = QCoreApplication::instance();
    const QString name = QStringLiteral("qtbase");
    if (application == nullptr ||
        application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly) != nullptr) {
        return;
    }
    auto* translator = new QTranslator(application);
    translator->setObjectName(name);
    const QString language = catalogueLanguage();
    if (!language.isEmpty() &&
        translator->load(name + QLatin1Char('_') + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

} // namespace zandiro
