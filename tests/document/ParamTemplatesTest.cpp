#include "document/ParamTemplates.h"

#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

using namespace Lecterna;

namespace {

// Thirteen menu items, the fifth (index 4) a separator.
const EncodingCheck kMenu = [](int i) { return i >= 0 && i < 13 && i != 4; };

// "cm ps ww tj va" with upper case for used fields, then the values as 0/1 digits.
std::string describe(const TParamTemplate& t) {
    const auto& v = t.values();
    const auto& u = t.used();
    std::string s;
    s += u.characterMap ? "CM" : "cm";
    s += u.paragraphSearchOn ? " PS" : " ps";
    s += u.wordWrapOn ? " WW" : " ww";
    s += u.textJustificationOn ? " TJ" : " tj";
    s += u.viewAllSymbolsOn ? " VA " : " va ";
    s += std::to_string(v.characterMap);
    for (bool b : {v.paragraphSearchOn, v.wordWrapOn, v.textJustificationOn, v.viewAllSymbolsOn})
        s += b ? '1' : '0';
    return s;
}

} // namespace

TEST(ParamTemplates, BuiltInValuesAndUsedFields) {
    using K = ParamTemplates::Kind;
    const ParamTemplates plain(false, 0, true);
    EXPECT_EQ(describe(plain[K::Text]), "CM PS WW TJ VA 01111");
    EXPECT_EQ(describe(plain[K::Html]), "CM PS WW TJ VA 10111");
    EXPECT_EQ(describe(plain[K::Doc]), "cm PS WW TJ VA 10110");
    EXPECT_EQ(describe(plain[K::Word]), "cm ps WW tj va 10101");
    EXPECT_EQ(describe(plain[K::Default]), "CM PS WW TJ VA 00101");

    const ParamTemplates twoPages(true, 0, true);
    EXPECT_EQ(describe(twoPages[K::Text]), "CM PS ww TJ VA 01111");
    EXPECT_EQ(describe(twoPages[K::Word]), "cm ps WW tj va 10101"); // Word always reads its wrap

    EXPECT_EQ(describe(ParamTemplates(false, 1, true)[K::Word]), "cm PS WW TJ VA 11111");
    EXPECT_EQ(describe(ParamTemplates(false, 1, false)[K::Word]), "cm ps WW TJ VA 10111");
    EXPECT_EQ(describe(ParamTemplates(false, 2, true)[K::Word]), "cm ps WW tj va 10101");
}

TEST(ParamTemplates, LoadReadsOnlyUsedFieldsAndChecksTheEncoding) {
    MemorySettingsStore store;
    store.setValue("Templates", "Doc_CharacterMap", "7");
    store.setValue("Templates", "Doc_ViewAllSymbolsOn", "1");
    store.setValue("Templates", "Word_TextJustificationOn", "1");
    store.setValue("Templates", "Text_CharacterMap", "40");
    store.setValue("Templates", "Html_CharacterMap", "4");
    store.setValue("Templates", "Default_CharacterMap", "12");
    store.setValue("Templates", "Default_WordWrapOn", "0");
    ParamTemplates t(false, 0, true);
    t.load(store, kMenu);
    using K = ParamTemplates::Kind;
    EXPECT_EQ(t[K::Doc].values().characterMap, 1);
    EXPECT_TRUE(t[K::Doc].values().viewAllSymbolsOn);
    EXPECT_FALSE(t[K::Word].values().textJustificationOn);
    EXPECT_EQ(t[K::Text].values().characterMap, 0); // beyond the menu
    EXPECT_EQ(t[K::Html].values().characterMap, 0); // a separator
    EXPECT_EQ(t[K::Default].values().characterMap, 12);
    EXPECT_FALSE(t[K::Default].values().wordWrapOn);

    // Saving writes every key of every template, used or not.
    MemorySettingsStore out;
    t.save(out);
    EXPECT_EQ(out.keyCount("Templates"), 25u);
    EXPECT_EQ(out.value("Templates", "Word_TextJustificationOn"), "0");
}

TEST(ParamTemplates, EveryFileUsesTheWordTemplateWhenTheWordProcessorShowsThemAll) {
    using K = ParamTemplates::Kind;
    EXPECT_EQ(ParamTemplates::kindFor(FileType::Info, 2), K::Default);
    EXPECT_EQ(ParamTemplates::kindFor(FileType::Doc, 2), K::Doc);
    EXPECT_EQ(ParamTemplates::kindFor(FileType::Text, 3), K::Word);
}
