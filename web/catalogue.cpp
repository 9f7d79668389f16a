#include "web/catalogue.h"

#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <vector>

namespace zandiro::web {
namespace {

// Where gettext is told the catalogues are; no such folder exists.
constexpr const char* localeDir = "/locale";

std::vector<unsigned char>& catalogue() {
    static std::vector<unsigned char> bytes;
    return bytes;
}

std::string& cataloguePath() {
    static std::string path;
    return path;
}

} // namespace

unsigned char* catalogueBuffer(std::size_t size) {
    catalogue().assign(size, 0);
    return catalogue().data();
}

void useCatalogue(const std::string& language) {
    cataloguePath() =
        std::string(localeDir) + "/" + language + "/LC_MESSAGES/" + ZANDIRO_TEXT_DOMAIN + ".mo";
    std::setlocale(LC_MESSAGES, language.c_str());
    bindtextdomain(ZANDIRO_TEXT_DOMAIN, localeDir);
}

} // namespace zandiro::web

// The C library's gettext reads a catalogue through this function, which the
// browser runtime leaves unable to open anything (and answering in a way the
// C library takes for a catalogue). Here it gives the one catalogue the page
// has copied in, and a null pointer, "no such catalogue", for every other
// name.
extern "C" const unsigned char* __map_file(const char* path, std::size_t* size) {
    using namespace zandiro::web;
    if (catalogue().empty() || cataloguePath() != path) {
        return nullptr;
    }
    *size = catalogue().size();
    return catalogue().data();
}
