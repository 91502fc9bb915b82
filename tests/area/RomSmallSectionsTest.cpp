#include "SmallSectionsFixture.h"
#include "support/TestPaths.h"

#include <filesystem>
#include <fstream>

namespace {

// What follows the line `section` in `text`, or "".
std::string SectionBody(const std::string& text, const std::string& section)
{
    const size_t at = text.find("\n" + section + "\n");
    return at == std::string::npos ? std::string() : text.substr(at + section.size() + 2);
}

// The lines of `body` before the line that `ends` the section that are
// neither blank nor `*` comments.
size_t DataLines(const std::string& body, bool (*ends)(const std::string&))
{
    size_t count = 0;
    std::istringstream in(body);
    std::string line;
    while (std::getline(in, line) && !ends(line)) {
        const size_t at = line.find_first_not_of(" \t\r");
        count += at != std::string::npos && line[at] != '*';
    }
    return count;
}

bool EndsResetsOrSpecials(const std::string& line)
{
    return line.rfind("S", 0) == 0;
}
bool EndsShops(const std::string& line)
{
    return line.find('0') != std::string::npos && line.find_first_not_of("0 \t\r") == std::string::npos;
}

// What a reader left before the next section's `#`: blanks only.
std::string Unread(const std::string& rest)
{
    return rest.substr(0, rest.find('#'));
}

} // namespace

// Every reset, shop and special line of the ROM areas, whatever comment or
// extra number follows it, gives exactly one record, and each section ends
// where its end mark stands. No mob or room is loaded, so every shop and
// special is kept aside.
TEST(RomSmallSections, EveryLineGivesOneRecordAndResetsRoundTrip)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not here";
    size_t resets = 0, shops = 0, specials = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24"))) {
        if (entry.path().extension() != ".are")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)), {});
        SmallSections s;
        if (const std::string body = SectionBody(text, "#RESETS"); !body.empty()) {
            EXPECT_EQ(Unread(s.Read(ReadResets, body)).find_first_not_of(" \t\r\n"), std::string::npos);
            EXPECT_EQ(s.doc.resets.size(), DataLines(body, EndsResetsOrSpecials));
            resets += s.doc.resets.size();
            SmallSections again;
            again.Read(ReadResets, s.Write(WriteResets).substr(8));
            ASSERT_EQ(again.doc.resets.size(), s.doc.resets.size());
            for (size_t i = 0; i < s.doc.resets.size(); ++i) {
                const CResetData& a = s.doc.resets[i];
                const CResetData& b = again.doc.resets[i];
                EXPECT_TRUE(a.command == b.command && a.arg1 == b.arg1 && a.arg2 == b.arg2 && a.arg3 == b.arg3 && a.arg4 == b.arg4)
                    << "reset " << i << " changed on the way through the writer";
            }
        }
        if (const std::string body = SectionBody(text, "#SHOPS"); !body.empty()) {
            EXPECT_EQ(Unread(s.Read(ReadShops, body)).find_first_not_of(" \t\r\n"), std::string::npos);
            EXPECT_EQ(s.doc.strayShops.size(), DataLines(body, EndsShops));
            shops += s.doc.strayShops.size();
        }
        if (const std::string body = SectionBody(text, "#SPECIALS"); !body.empty()) {
            EXPECT_EQ(Unread(s.Read(ReadSpecials, body)).find_first_not_of(" \t\r\n"), std::string::npos);
            EXPECT_EQ(s.doc.straySpecials.size(), DataLines(body, EndsResetsOrSpecials));
            for (const CStraySpecial& special : s.doc.straySpecials)
                EXPECT_EQ(special.special.rfind("spec_", 0), 0u) << special.vnum << " has " << special.special;
            specials += s.doc.straySpecials.size();
        }
        for (const CDiagnostic& d : s.diagnostics.items)
            EXPECT_NE(d.text.find("not in this area"), std::string::npos) << "unexpected warning: " << d.text;
    }
    EXPECT_GT(resets, 3000u);
    EXPECT_GT(shops, 40u);
    EXPECT_GT(specials, 300u);

    SmallSections midgaard;
    std::ifstream file(SharedPath("areas/rom24/midgaard.are"), std::ios::binary);
    midgaard.Read(ReadResets, SectionBody(std::string((std::istreambuf_iterator<char>(file)), {}), "#RESETS"));
    bool found = false;
    for (const CResetData& r : midgaard.doc.resets)
        found = found || (r.command == 'O' && r.arg1 == 3200 && r.arg2 == -1 && r.arg3 == 3003 && r.arg4 == 0);
    EXPECT_TRUE(found) << "«O 0 3200   -1 3003  1» must give O 3200 -1 3003, its fifth number dropped";
}
