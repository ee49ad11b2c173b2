// The update server's address from "Allgemein.ini": a mirror or a test
// server is taken as written, anything that is no plain http(s) address
// falls back to the maker's server.
#include "settings/update_server.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/scratch_folder.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

struct AddressCase {
    const char* name;
    const char* text;
    const char* usable;  // nullptr: refused
};

class ServerAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ServerAddress, IsTakenOnlyWhenPlain) {
    const AddressCase& c = GetParam();
    const auto address = UsableServerAddress(c.text);
    if (c.usable == nullptr) {
        EXPECT_FALSE(address.has_value()) << *address;
    } else {
        ASSERT_TRUE(address.has_value());
        EXPECT_EQ(*address, c.usable);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ServerAddress,
    ::testing::Values(
        AddressCase{"Default", "https://tavexo.example", "https://tavexo.example"},
        AddressCase{"TrailingSlash", "https://tavexo.example/", "https://tavexo.example"},
        AddressCase{"MirrorWithPath", "https://mirror.example.org/pub/tavexo/",
                    "https://mirror.example.org/pub/tavexo"},
        AddressCase{"LoopbackWithPort", "http://127.0.0.1:8080", "http://127.0.0.1:8080"},
        AddressCase{"Ipv6WithPort", "http://[::1]:8080/t", "http://[::1]:8080/t"},
        AddressCase{"CaseOfSchemeAndHost", "HTTPS://Mirror.Example.ORG/Tavexo",
                    "https://mirror.example.org/Tavexo"},
        AddressCase{"Empty", "", nullptr}, AddressCase{"NoScheme", "tavexo.example", nullptr},
        AddressCase{"OtherScheme", "ftp://tavexo.example", nullptr},
        AddressCase{"FileScheme", "file:///etc", nullptr},
        AddressCase{"SchemeOnly", "https://", nullptr},
        AddressCase{"UserName", "https://user:pw@tavexo.example", nullptr},
        AddressCase{"Query", "https://tavexo.example/?x=1", nullptr},
        AddressCase{"Fragment", "https://tavexo.example#top", nullptr},
        AddressCase{"Blank", "https://tavexo example", nullptr},
        AddressCase{"EmptyPort", "http://127.0.0.1:", nullptr},
        AddressCase{"PortZero", "http://127.0.0.1:0", nullptr},
        AddressCase{"PortTooLarge", "http://127.0.0.1:65536", nullptr},
        AddressCase{"ParentFolder", "https://tavexo.example/a/..", nullptr},
        AddressCase{"ParentInTheMiddle", "https://tavexo.example/a/../b", nullptr},
        AddressCase{"DoubleSlash", "https://tavexo.example//b", nullptr},
        AddressCase{"HostStartsWithDot", "https://.example", nullptr},
        AddressCase{"BrokenIpv6", "http://[::1/x", nullptr},
        AddressCase{"Backslash", "https://tavexo.example\\x", nullptr},
        AddressCase{"NonAscii", "https://täxo.example", nullptr}));

TEST(LoadUpdateServer, WithoutFileOrKeyItIsTheMakersServer) {
    ScratchFolder folder;
    EXPECT_EQ(LoadUpdateServer(folder.Path()), DEFAULT_UPDATE_SERVER);
    folder.Write("Allgemein.ini", "[Regeln]\r\nDecks=2\r\n[Aktualisierung]\r\nAnderes=1\r\n");
    EXPECT_EQ(LoadUpdateServer(folder.Path()), DEFAULT_UPDATE_SERVER);
}

TEST(LoadUpdateServer, TakesTheKeyAndFallsBackFromAHandEditedMistake) {
    ScratchFolder folder;
    folder.Write("Allgemein.ini",
                 "[Aktualisierung]\r\nServer = \"http://127.0.0.1:41234/spiegel/\"\r\n");
    EXPECT_EQ(LoadUpdateServer(folder.Path()), "http://127.0.0.1:41234/spiegel");
    folder.Write("Allgemein.ini", "[aktualisierung]\r\nserver=https://mirror.example.org\r\n");
    EXPECT_EQ(LoadUpdateServer(folder.Path()), "https://mirror.example.org");
    folder.Write("Allgemein.ini", "[Aktualisierung]\r\nServer=javascript:alert(1)\r\n");
    EXPECT_EQ(LoadUpdateServer(folder.Path()), DEFAULT_UPDATE_SERVER);
}

}  // namespace
}  // namespace tavexo
