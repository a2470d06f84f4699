// The compiled manual holds its pages, and the topic numbers the dialogs' Help buttons pass
// ("-mapid 1", "-mapid 2") lead to the pages about those dialogs.
#include <chm_lib.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct ChmFile {
    chmFile* handle = chm_open(QUILLON_CHM_PATH);
    ~ChmFile() {
        if (handle != nullptr) chm_close(handle);
    }
};

// The whole content of one internal file; empty when it is missing.
std::string ReadObject(chmFile* chm, const char* name) {
    chmUnitInfo info;
    if (chm_resolve_object(chm, name, &info) != CHM_RESOLVE_SUCCESS) return {};
    std::string bytes(static_cast<size_t>(info.length), '\0');
    LONGINT64 got = chm_retrieve_object(chm, &info, reinterpret_cast<unsigned char*>(bytes.data()),
                                        0, static_cast<LONGINT64>(info.length));
    bytes.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return bytes;
}

uint32_t DwordAt(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// The page a viewer opens for a topic number: the context table #IVB holds pairs of topic number
// and offset into #STRINGS, where the page's path stands as zero-terminated text.
std::string MappedPage(chmFile* chm, uint32_t topic) {
    std::string ivb = ReadObject(chm, "/#IVB");
    std::string strings = ReadObject(chm, "/#STRINGS");
    if (ivb.size() < 4) return {};
    size_t end = 4 + DwordAt(ivb, 0);
    for (size_t at = 4; at + 8 <= end && at + 8 <= ivb.size(); at += 8) {
        if (DwordAt(ivb, at) != topic) continue;
        uint32_t offset = DwordAt(ivb, at + 4);
        if (offset >= strings.size()) return {};
        return std::string(strings.c_str() + offset);
    }
    return {};
}

class ChmContents : public ::testing::Test {
   protected:
    ChmFile chm;
    void SetUp() override { ASSERT_NE(chm.handle, nullptr) << "cannot open " << QUILLON_CHM_PATH; }
};

struct PageCase {
    const char* path;
    const char* mustHold;  // a text the page cannot do without
};

TEST_F(ChmContents, HoldsEveryPageWithItsSubject) {
    const std::vector<PageCase> pages = {
        {"/index.htm", "Quillon user manual"},
        {"/keys.htm", "Ctrl+Insert"},
        {"/calculating.htm", "5 + = shows 10"},
        {"/memory.htm", "Memory operation overflow."},
        {"/tape.htm", "QUILLON TAPE 2"},
        {"/settings_file.htm", "%APPDATA%\\Quillon"},
        {"/decimals.htm", "Mathematical"},
        {"/number_format.htm", "1.234,5"},
        {"/clipboard.htm", "There is no valid number in clipboard."},
        {"/total.htm", "Error. Too many decimal separators found in clipboard."},
        {"/customize_view.htm", "Error! Decimal and thousand separators are equal!"},
        {"/font_chooser.htm", "TrueType"},
        {"/customize_total.htm", "Error! Found equal separators for decimal and numbers!"},
        {"/desk.htm", "Always on top"},
        {"/business_keys.htm", "gross / (1 + rate / 100)"},
        {"/toc.hhc", "business_keys.htm"},
        {"/look.htm", "Like Windows"},
        {"/settings_file.htm", "SPACE_IS_NUMBER_SEPARATOR"},
        {"/errors.htm", "division by zero"},
        {"/screen_reader.htm", "Total 31.5, 3 numbers"},
        {"/toc.hhc", "customize_total.htm"},
        {"/toc.hhc", "screen_reader.htm"},
        {"/toc.hhc", "look.htm"},
        {"/theme_dark.png", "PNG"},
        {"/customize_view.png", "PNG"},
        {"/font_chooser.png", "PNG"},
        {"/customize_total.png", "PNG"},
        {"/tape.htm", "Print preview"},
        {"/print_preview.png", "PNG"},
    };
    for (const PageCase& page : pages) {
        std::string text = ReadObject(chm.handle, page.path);
        EXPECT_NE(text.find(page.mustHold), std::string::npos) << page.path;
    }
}

TEST_F(ChmContents, TopicNumbersOpenTheDialogPages) {
    const std::vector<std::pair<uint32_t, const char*>> topics = {
        {1, "/customize_view.htm"},
        {2, "/customize_total.htm"},
    };
    for (const auto& [topic, page] : topics) {
        std::string target = MappedPage(chm.handle, topic);
        EXPECT_EQ(target, page) << "topic " << topic;
        EXPECT_FALSE(ReadObject(chm.handle, target.c_str()).empty()) << "topic " << topic;
    }
    EXPECT_EQ(MappedPage(chm.handle, 3), "");
}

}  // namespace
