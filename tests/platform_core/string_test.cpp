// CString: MFC's clamping and search rules, buffers, formatting of long texts, editing.
#include <afx.h>
#include <family.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(CStringBasics, EmptyStringNeedsNoBuffer)
{
    CString s;
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(0, s.GetAllocLength());
    EXPECT_STREQ("", static_cast<LPCTSTR>(s));
    CString t(static_cast<LPCTSTR>(nullptr));
    EXPECT_TRUE(t.IsEmpty());
    CString u(s);
    EXPECT_EQ(0, u.GetAllocLength());
    s = "abc";
    s.Empty();
    EXPECT_EQ(0, s.GetAllocLength());
}

TEST(CStringBasics, Construction)
{
    EXPECT_EQ("abc", CString("abcdef", 3));
    EXPECT_EQ("xxxx", CString('x', 4));
    EXPECT_EQ("", CString('x', 0));
    EXPECT_EQ("", CString('x', -3));
    EXPECT_EQ("", CString("abc", -1));
    EXPECT_EQ("hi", CString(std::string_view("hi there", 2)));
}

TEST(CStringBasics, IndexedAccessOutOfRangeIsHarmless)
{
    CString s("abc");
    EXPECT_EQ('b', s[1]);
    EXPECT_EQ('c', s[size_t(2)]);
    EXPECT_EQ('\0', s.GetAt(3));
    EXPECT_EQ('\0', s.GetAt(-1));
    s.SetAt(1, 'X');
    s.SetAt(3, 'Y');
    s.SetAt(-1, 'Y');
    EXPECT_EQ("aXc", s);
}

TEST(CStringBasics, CopyAndMoveAreIndependent)
{
    CString a("original");
    CString b(a);
    b.SetAt(0, 'O');
    EXPECT_EQ("original", a);
    CString c(std::move(b));
    EXPECT_EQ("Original", c);
    EXPECT_TRUE(b.IsEmpty());
    CString& alias = a;
    a = alias; // self-assignment keeps the text
    EXPECT_EQ("original", a);
}

struct ExtractCase {
    const char* op;
    int first;
    int count;
    const char* expected;
};

TEST(CStringExtract, ClampsLikeMfc)
{
    const CString s("abcdef");
    const ExtractCase cases[] = {
        {"Left", 0, 0, ""},        {"Left", 3, 0, "abc"},      {"Left", -2, 0, ""},
        {"Left", 6, 0, "abcdef"},  {"Left", 99, 0, "abcdef"},  {"Right", 2, 0, "ef"},
        {"Right", -1, 0, ""},      {"Right", 99, 0, "abcdef"}, {"Mid", 2, 2, "cd"},
        {"Mid", 4, 99, "ef"},      {"Mid", -3, 2, "ab"},       {"Mid", 2, -1, ""},
        {"Mid", 6, 1, ""},         {"Mid", 99, 1, ""},         {"Mid1", 3, 0, "def"},
        {"Mid1", -1, 0, "abcdef"}, {"Mid1", 7, 0, ""},         {"Mid", 1, INT_MAX, "bcdef"},
    };
    for (const auto& c : cases) {
        CString got;
        if (!strcmp(c.op, "Left"))
            got = s.Left(c.first);
        else if (!strcmp(c.op, "Right"))
            got = s.Right(c.first);
        else if (!strcmp(c.op, "Mid"))
            got = s.Mid(c.first, c.count);
        else
            got = s.Mid(c.first);
        EXPECT_EQ(c.expected, got) << c.op << "(" << c.first << ", " << c.count << ")";
    }
}

TEST(CStringExtract, SpanIncludingAndExcluding)
{
    CString s("123abc456");
    EXPECT_EQ("123", s.SpanIncluding("0123456789"));
    EXPECT_EQ("", s.SpanIncluding("x"));
    EXPECT_EQ("123abc", s.SpanExcluding("456"));
    EXPECT_EQ("123abc456", s.SpanExcluding("xyz"));
}

TEST(CStringSearch, FindHonoursStartAndEnd)
{
    CString s("abcabc");
    EXPECT_EQ(1, s.Find('b'));
    EXPECT_EQ(4, s.Find('b', 2));
    EXPECT_EQ(-1, s.Find('b', 5));
    EXPECT_EQ(-1, s.Find('b', 6));
    EXPECT_EQ(-1, s.Find('b', 100));
    EXPECT_EQ(-1, s.Find('b', -1));
    EXPECT_EQ(-1, s.Find('z'));
    EXPECT_EQ(3, s.Find("abc", 1));
    EXPECT_EQ(-1, s.Find("abc", 4));
    EXPECT_EQ(-1, s.Find("abc", 7));
    EXPECT_EQ(-1, s.Find("abc", -1));
    EXPECT_EQ(6, s.Find("", 6)); // an empty text is found at any position up to the end
    EXPECT_EQ(-1, s.Find("", 7));
    EXPECT_EQ(-1, s.Find(static_cast<LPCTSTR>(nullptr)));
    EXPECT_EQ(4, s.ReverseFind('b'));
    EXPECT_EQ(-1, s.ReverseFind('z'));
    EXPECT_EQ(2, s.FindOneOf("xc"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
    EXPECT_EQ(-1, CString().Find('a'));
}

TEST(CStringTrim, WhitespaceCharAndSet)
{
    CString blank(" \t\r\n ");
    blank.Trim();
    EXPECT_TRUE(blank.IsEmpty());

    CString s("  a b  ");
    EXPECT_EQ("a b  ", CString(s).TrimLeft());
    EXPECT_EQ("  a b", CString(s).TrimRight());
    EXPECT_EQ("a b", s.Trim());

    CString x("xxaxbxx");
    EXPECT_EQ("axb", x.Trim('x'));
    CString y("-+a+b-+");
    EXPECT_EQ("a+b-+", CString(y).TrimLeft("+-"));
    EXPECT_EQ("-+a+b", CString(y).TrimRight("+-"));
    EXPECT_EQ("a+b", y.Trim("+-"));
    CString all("----");
    EXPECT_EQ("", all.TrimRight('-'));
}

TEST(CStringFormat, LongOutputIsComplete)
{
    std::string big(20000, 'q');
    CString s;
    s.Format("<%s|%d>", big.c_str(), 42);
    ASSERT_EQ(static_cast<int>(big.size()) + 5, s.GetLength());
    EXPECT_EQ('<', s[0]);
    EXPECT_EQ("|42>", s.Right(4));
    EXPECT_EQ(big.size() + 5, strlen(s));

    s.AppendFormat("%s", big.c_str());
    EXPECT_EQ(static_cast<int>(2 * big.size()) + 5, s.GetLength());
}

TEST(CStringFormat, CStringArgumentsAndSelfReference)
{
    CString name("world");
    CString s;
    s.Format("hello %s, %5.2f %c", name, 3.14159, 'x');
    EXPECT_EQ("hello world,  3.14 x", s);

    // The string being formatted may be one of its own arguments, short or long.
    s = "ab";
    s.Format("%s-%s", s, s);
    EXPECT_EQ("ab-ab", s);
    s = CString('z', 3000);
    s.Format("%s%s", s, (LPCTSTR)s);
    EXPECT_EQ(6000, s.GetLength());
    EXPECT_EQ(CString('z', 6000), s);

    s = "n=";
    s.AppendFormat("%d%s", 7, s);
    EXPECT_EQ("n=7n=", s);

    s.Format("%%");
    EXPECT_EQ("%", s);
}

TEST(CStringBuffer, ReleaseAfterWritingShorterText)
{
    CString s("a long original text");
    char* p = s.GetBuffer(100);
    ASSERT_GE(s.GetAllocLength(), 100);
    EXPECT_STREQ("a long original text", p); // GetBuffer keeps the text
    strcpy(p, "short");
    s.ReleaseBuffer();
    EXPECT_EQ(5, s.GetLength());
    EXPECT_EQ("short", s);

    p = s.GetBuffer(10);
    memcpy(p, "abcdefghij", 10);
    s.ReleaseBuffer(4);
    EXPECT_EQ("abcd", s);
}

TEST(CStringBuffer, ReleaseWithoutTerminatorStaysInsideBuffer)
{
    CString s;
    char* p = s.GetBuffer(8);
    int alloc = s.GetAllocLength();
    memset(p, 'k', static_cast<size_t>(alloc) + 1); // the caller forgot the NUL
    s.ReleaseBuffer();
    EXPECT_EQ(alloc, s.GetLength());
    EXPECT_EQ(static_cast<size_t>(alloc), strlen(s));
}

TEST(CStringBuffer, EmptyBufferIsWritableAndSetLength)
{
    CString s;
    char* p = s.GetBuffer(0);
    ASSERT_NE(nullptr, p);
    p[0] = '\0';
    s.ReleaseBuffer();
    EXPECT_TRUE(s.IsEmpty());

    p = s.GetBufferSetLength(3);
    memcpy(p, "xyz", 3);
    EXPECT_EQ(3, s.GetLength());
    s.ReleaseBuffer(3);
    EXPECT_EQ("xyz", s);
    s.ReleaseBuffer(1000); // clamped to the buffer
    EXPECT_LE(s.GetLength(), s.GetAllocLength());
}

TEST(CStringEdit, ReplaceCountsAndHandlesEmptyTexts)
{
    CString s("a.b.c");
    EXPECT_EQ(2, s.Replace(".", ""));
    EXPECT_EQ("abc", s);
    EXPECT_EQ(0, s.Replace("", "x"));
    EXPECT_EQ(0, s.Replace(static_cast<LPCTSTR>(nullptr), "x"));
    EXPECT_EQ("abc", s);
    EXPECT_EQ(1, s.Replace("b", static_cast<LPCTSTR>(nullptr)));
    EXPECT_EQ("ac", s);

    CString t("aaaa");
    EXPECT_EQ(2, t.Replace("aa", "a"));
    EXPECT_EQ("aa", t);
    CString u("xyx");
    EXPECT_EQ(2, u.Replace("x", "xx")); // replacement holding the old text does not loop
    EXPECT_EQ("xxyxx", u);
    CString v("1,2,3");
    EXPECT_EQ(2, v.Replace(',', ';'));
    EXPECT_EQ("1;2;3", v);
    CString w("abab");
    EXPECT_EQ(2, w.Replace(w.Mid(0, 1), w)); // texts taken from the string itself
    EXPECT_EQ("ababbababb", w);
}

TEST(CStringEdit, RemoveInsertDelete)
{
    CString s("banana");
    EXPECT_EQ(3, s.Remove('a'));
    EXPECT_EQ("bnn", s);
    EXPECT_EQ(4, s.Insert(1, 'a'));
    EXPECT_EQ("bann", s);
    EXPECT_EQ(6, s.Insert(99, "as"));
    EXPECT_EQ("bannas", s);
    EXPECT_EQ(7, s.Insert(-5, "<"));
    EXPECT_EQ("<bannas", s);
    EXPECT_EQ(9, s.Insert(3, s.Mid(1, 2)));
    EXPECT_EQ("<babannas", s);

    EXPECT_EQ(7, s.Delete(0, 2));
    EXPECT_EQ("abannas", s);
    EXPECT_EQ(7, s.Delete(10, 2));
    EXPECT_EQ(7, s.Delete(1, 0));
    EXPECT_EQ(7, s.Delete(1, -4));
    EXPECT_EQ(4, s.Delete(4, 100));
    EXPECT_EQ("aban", s);
    EXPECT_EQ(3, s.Delete(-2));
    EXPECT_EQ("ban", s);
}

TEST(CStringEdit, CaseAndReverse)
{
    CString s("Mixed Case 12");
    EXPECT_EQ("MIXED CASE 12", CString(s).MakeUpper());
    EXPECT_EQ("mixed case 12", CString(s).MakeLower());
    EXPECT_EQ("21 esaC dexiM", s.MakeReverse());
}

TEST(CStringEdit, AppendToItself)
{
    CString s("abc");
    s += s;
    EXPECT_EQ("abcabc", s);
    s += s.GetString() + 3;
    EXPECT_EQ("abcabcabc", s);
    s.Append(s.GetString(), 2);
    EXPECT_EQ("abcabcabcab", s);
    s = s.GetString() + 9;
    EXPECT_EQ("ab", s);
    s += 'c';
    s += "";
    EXPECT_EQ("abc", s);
}

TEST(CStringTokenize, SequenceSkipsEmptyFields)
{
    CString s(",, alpha,beta ,,gamma,");
    int pos = 0;
    std::vector<std::string> tokens;
    for (CString t = s.Tokenize(", ", pos); pos != -1; t = s.Tokenize(", ", pos))
        tokens.emplace_back(t);
    EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "gamma"}), tokens);

    pos = 0;
    EXPECT_EQ("", CString("  ").Tokenize(" ", pos));
    EXPECT_EQ(-1, pos);
    pos = 50;
    EXPECT_EQ("", s.Tokenize(",", pos));
    EXPECT_EQ(-1, pos);

    // Without delimiters the rest is one token, and the next call ends the loop.
    pos = 2;
    EXPECT_EQ("cdef", CString("abcdef").Tokenize("", pos));
    EXPECT_EQ("", CString("abcdef").Tokenize("", pos));
    EXPECT_EQ(-1, pos);
}

TEST(CStringCompare, CaseSensitiveAndNot)
{
    CString s("Hello");
    EXPECT_EQ(0, s.CompareNoCase("hELLO"));
    EXPECT_LT(s.CompareNoCase("hellp"), 0);
    EXPECT_GT(s.CompareNoCase("HELL"), 0);
    EXPECT_LT(s.Compare("hello"), 0); // 'H' sorts before 'h'
    EXPECT_EQ(0, s.Compare("Hello"));
    EXPECT_EQ(0, CString().Compare(static_cast<LPCTSTR>(nullptr)));

    EXPECT_TRUE(s == "Hello");
    EXPECT_TRUE("Hello" == s);
    EXPECT_TRUE(s != CString("hello"));
    EXPECT_TRUE(s < "Hellp");
    EXPECT_TRUE("Hellp" > s);
    EXPECT_TRUE(s <= s);
    EXPECT_TRUE(CString("b") >= "a");
    EXPECT_TRUE(CString("x") == 'x');
    EXPECT_FALSE(CString("xx") == 'x');
}

TEST(CStringOperators, ConcatenationCombinations)
{
    CString a("ab");
    EXPECT_EQ("abcd", a + CString("cd"));
    EXPECT_EQ("abcd", a + "cd");
    EXPECT_EQ("cdab", "cd" + a);
    EXPECT_EQ("abc", a + 'c');
    EXPECT_EQ("cab", 'c' + a);
    EXPECT_EQ("ab", a + static_cast<LPCTSTR>(nullptr));
    CString b;
    b = 'q';
    EXPECT_EQ("q", b);
}

TEST(CStringHelpers, ExtractSubString)
{
    CString out;
    EXPECT_TRUE(AfxExtractSubString(out, "a|bb||c", 1, '|'));
    EXPECT_EQ("bb", out);
    EXPECT_TRUE(AfxExtractSubString(out, "a|bb||c", 2, '|'));
    EXPECT_EQ("", out);
    EXPECT_TRUE(AfxExtractSubString(out, "a|bb||c", 3, '|'));
    EXPECT_EQ("c", out);
    EXPECT_FALSE(AfxExtractSubString(out, "a|bb||c", 4, '|'));
    EXPECT_EQ("", out);
}

TEST(CGenStringTest, ConvertsBothWays)
{
    CGenString g("core");
    CString s = g;
    EXPECT_EQ("core", s);
    CGenString h = s + "!";
    EXPECT_EQ("core!", h);
    const char* p = g;
    EXPECT_STREQ("core", p);
    CString f;
    f.Format("[%s]", g);
    EXPECT_EQ("[core]", f);
}

} // namespace

namespace {

const MiscResString kStrings[] = {{7101, "seven"}, {7102, "value %d of %s"}};
const MiscResourceTable kTable = {kStrings, 2, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0};

class CStringResources : public ::testing::Test {
protected:
    void SetUp() override { module_ = MiscRegisterModule("h1_strings_test.dll", &kTable); }
    void TearDown() override { MiscUnregisterModule("h1_strings_test.dll"); }
    HMODULE module_ = nullptr;
};

TEST_F(CStringResources, LoadStringSearchesRegisteredModules)
{
    ASSERT_NE(nullptr, module_);
    CString s("before");
    EXPECT_FALSE(s.LoadString(7199));
    EXPECT_EQ("before", s);
    EXPECT_TRUE(s.LoadString(7101));
    EXPECT_EQ("seven", s);
    EXPECT_TRUE(s.LoadString(module_, 7101));
    EXPECT_FALSE(s.LoadString(AfxGetInstanceHandle() == module_ ? nullptr : AfxGetInstanceHandle(),
                              7101));

    EXPECT_EQ("seven", CString(MAKEINTRESOURCE(7101)));
    s.Format(7102u, 3, CString("x"));
    EXPECT_EQ("value 3 of x", s);
}

} // namespace
