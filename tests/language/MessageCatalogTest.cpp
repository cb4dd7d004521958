#include "kivparser/kivparser.h"
#include "support/TestParser.h"
#include "language/MessageCatalogCache.h"
#include "platform/KzPlatform.h"

#include <cerrno>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

using namespace kivparser;

// Each test runs in a process of its own, so the catalog is opened afresh by
// the first lookup of every test.

TEST(MessageCatalog, CompiledCatalogHoldsTheBuiltInTexts)
{
    useCatalog(KIVPARSER_CATALOG_DIR);
    for (int n = 1; n <= MSG_COUNT; n++) {
        const char* text = parserMsg(n);
        // A text read from the catalog is a cached copy, not the built-in one.
        EXPECT_NE(text, parserMsgDefault(n)) << "message " << n << " not found in the catalog";
        EXPECT_STREQ(text, parserMsgDefault(n)) << "message " << n;
    }
    EXPECT_STREQ(parserMsgDefault(11), "detect duplicate MenuItem \"%s\";ignore this MenuItem");
    EXPECT_STREQ(parserMsgDefault(37), "  errors: %d, warnings: %d\n");
}

TEST(MessageCatalog, CatalogTextsReplaceBuiltInsInsideTheBounds)
{
    useCatalog(KIVPARSER_TEST_CATALOG_A);
    EXPECT_STREQ(parserMsg(MSG_CANT_OPEN), "A: cannot open %s\n");
    EXPECT_STREQ(parserMsg(MSG_DUPLICATE), "A: %s %s: defined twice");
    EXPECT_STREQ(parserMsg(MSG_LINE), "Zeile: ");
    // A number the catalog lacks gives the built-in text.
    EXPECT_STREQ(parserMsg(MSG_STYLE_CREATE), "Could not create style sheet \"%s\": %s");
    EXPECT_STREQ(_libparserMsg(7, 1, const_cast<char*>("x")), "set seven, message one");

    // Outside the bounds, or not in the catalog: the caller's text.
    char fallback[] = "fallback";
    for (auto at : {std::pair<int, int>{1, 0}, {1, -3}, {300, 1}, {256, 1}, {-1, 1}})
        EXPECT_EQ(_libparserMsg(at.first, at.second, fallback), fallback) << at.first << " " << at.second;
    EXPECT_EQ(_libparserMsg(7, 2, fallback), std::string("fallback"));
}

TEST(MessageCatalog, WithoutLangTheBuiltInTextComesAndNothingIsCached)
{
    useCatalog(KIVPARSER_TEST_CATALOG_A);
    unsetenv("LANG");
    EXPECT_EQ(parserMsg(MSG_CANT_OPEN), parserMsgDefault(MSG_CANT_OPEN));
    // The slots are made before LANG is looked at.
    EXPECT_EQ(_libparserMsgSlots(1), 10);
    setenv("LANG", "C", 1);
    EXPECT_STREQ(parserMsg(MSG_CANT_OPEN), "A: cannot open %s\n");
}

TEST(MessageCatalog, CacheGrowsInStepsOfTen)
{
    useCatalog(KIVPARSER_TEST_CATALOG_A);
    EXPECT_EQ(_libparserMsgSlots(1), 0);
    parserMsg(9);
    EXPECT_EQ(_libparserMsgSlots(1), 10);
    parserMsg(10);
    EXPECT_EQ(_libparserMsgSlots(1), 20);
    EXPECT_STREQ(parserMsg(MSG_CANT_OPEN), "A: cannot open %s\n");
    parserMsg(44);
    EXPECT_EQ(_libparserMsgSlots(1), 50);
    errno = ENOENT;
    EXPECT_STREQ(parserMsg(MSG_FILE), "Datei: ");
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(_libparserMsgSlots(1), 50);
    EXPECT_EQ(_libparserMsgSlots(7), 0);
    // Entries cached before the growth survive it.
    EXPECT_STREQ(parserMsg(MSG_CANT_OPEN), "A: cannot open %s\n");
}

TEST(MessageCatalog, MissingCatalogGivesBuiltInsAndKeepsErrno)
{
    setenv("NLSPATH", "/nonexistent/kivparser/%N.cat", 1);
    setenv("LANG", "C", 1);
    errno = EINTR;
    EXPECT_EQ(parserMsg(MSG_ERROR), parserMsgDefault(MSG_ERROR));
    EXPECT_EQ(errno, EINTR);
    EXPECT_EQ(_libparserMsgSlots(1), 0);
}

TEST(MessageCatalog, ReopenFlagSwitchesCatalogAndKeepsCache)
{
    useCatalog(KIVPARSER_TEST_CATALOG_A);
    EXPECT_STREQ(parserMsg(MSG_CANT_OPEN), "A: cannot open %s\n");
    useCatalog(KIVPARSER_TEST_CATALOG_B);
    // Without the flag the catalog opened first stays.
    EXPECT_STREQ(parserMsg(MSG_DUPLICATE), "A: %s %s: defined twice");

    _KZmsgReopenCatalogs();
    EXPECT_STREQ(parserMsg(MSG_STYLE_CREATE), "B: style sheet %s: %s");
    EXPECT_STREQ(parserMsg(MSG_LINE), "Line: ");
    // What was cached before the reopen is kept.
    EXPECT_STREQ(parserMsg(MSG_CANT_OPEN), "A: cannot open %s\n");
    EXPECT_STREQ(parserMsg(MSG_DUPLICATE), "A: %s %s: defined twice");
}
