#include "area/ReadHelpers.h"
#include "area/Sections.h"
#include "text/TextWriter.h"

#include <algorithm>

bool ReadShops(CReadContext& c)
{
    int strays = 0;
    int firstStrayLine = 0;
    for (;;) {
        const std::string word = c.in.ReadWord();
        if (!word.empty() && word[0] == '*') {
            // When the line feed ended the word, the comment line is over.
            SkipRestOfLine(c.in);
            continue;
        }
        const int line = c.in.TokenLine();
        const int keeper = NumberOfWord(word);
        if (keeper == 0)
            break;
        CShopData shop;
        for (int& type : shop.buyTypes)
            type = c.in.ReadNumber();
        shop.profitBuy = c.in.ReadNumber();
        shop.profitSell = c.in.ReadNumber();
        shop.openHour = c.in.ReadNumber();
        shop.closeHour = c.in.ReadNumber();
        SkipRestOfLine(c.in);

        const int mob = c.doc.FindMobByVnum(keeper);
        if (mob >= 0) {
            c.doc.mobs[static_cast<size_t>(mob)].shop = shop;
            continue;
        }
        // The keeper lives in another area, where the game still finds it.
        if (strays++ == 0)
            firstStrayLine = line;
        std::vector<CStrayShop>& kept = c.doc.strayShops;
        auto same = std::find_if(kept.begin(), kept.end(), [keeper](const CStrayShop& s) { return s.keeper == keeper; });
        if (same != kept.end())
            *same = CStrayShop { keeper, shop, line };
        else
            kept.push_back(CStrayShop { keeper, shop, line });
    }
    if (strays > 0)
        Warn(c.diagnostics, firstStrayLine,
            Format("Shops of mobs that are not in this area: %d (the first at line %d). They are kept and saved as they are.",
                { strays, firstStrayLine }));
    return true;
}

void WriteShops(CWriteContext& c)
{
    const auto writeShop = [&c](int keeper, const CShopData& shop) {
        WriteFormatted(c.out, "%d ", keeper);
        for (int type : shop.buyTypes)
            WriteFormatted(c.out, "%d ", type);
        WriteFormatted(c.out, "%d %d ", shop.profitBuy, shop.profitSell);
        WriteFormatted(c.out, "%d %d\n", shop.openHour, shop.closeHour);
    };
    c.out << "#SHOPS\n";
    for (const CMobData& mob : c.doc.mobs)
        if (mob.shop)
            writeShop(mob.vnum, *mob.shop);
    // A kept shop yields to a mob of the area that now has the keeper's vnum
    // and a shop of its own.
    for (const CStrayShop& stray : c.doc.strayShops) {
        const int mob = c.doc.FindMobByVnum(stray.keeper);
        if (mob < 0 || !c.doc.mobs[static_cast<size_t>(mob)].shop)
            writeShop(stray.keeper, stray.shop);
    }
    c.out << "0\n\n\n\n";
}
