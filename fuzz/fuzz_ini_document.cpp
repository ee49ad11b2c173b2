// The INI layout: any bytes read as a document, which written out and read
// again gives the same document, and a key set in it reads back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavexo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniDocument first = IniDocument::FromBytes(bytes);
    const std::string written = first.ToBytes();
    const IniDocument second = IniDocument::FromBytes(written);
    FUZZ_CHECK(second.ToBytes() == written);
    FUZZ_CHECK(second.Encoding() == first.Encoding());

    for (const auto& [section, key] :
         {std::pair{"Verzögerung", "3"}, std::pair{"Regeln", "Decks"}}) {
        const auto value = first.Value(section, key);
        FUZZ_CHECK(second.Value(section, key) == value);
    }
    IniDocument edited = second;
    edited.Set("Regeln", "Decks", "2");
    edited.Set("Neu", "Schlüssel", "Wert mit ► und \r\n Umbruch");
    FUZZ_CHECK(edited.ReadInt("Regeln", "Decks", -1) == 2);
    const IniDocument reread = IniDocument::FromBytes(edited.ToBytes());
    FUZZ_CHECK(reread.ReadInt("Regeln", "Decks", -1) == 2);
    FUZZ_CHECK(reread.Value("Neu", "Schlüssel").has_value());
    return 0;
}
