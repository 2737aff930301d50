#include "lexoro/parsing/ox3ParseEngine.h"

#include "lexoro/platform/ox3Platform.h"

namespace lexoro {

namespace {

bool Contains(const std::u16string& s, char16_t ch) { return s.find(ch) != std::u16string::npos; }

constexpr char16_t kPound = 0x00A3;
constexpr char16_t kRightQuote = 0x2019;

}  // namespace

std::u16string TMainParsingEngine::DefaultWordCharacters() {
  std::u16string s;
  s += kRightQuote;
  s += u"1234567890";
  s += u"&";
  s += u"'";
  for (char16_t c = u'a'; c <= u'z'; ++c) s += c;
  for (char16_t c = u'A'; c <= u'Z'; ++c) s += c;
  for (char16_t c = 0x00C0; c <= 0x00FF; ++c) s += c;
  // The tail as it has always been stored: some Latin-1 letters again, a few letters of
  // Central European code pages, and some code points that are not letters at all.
  static constexpr char16_t kTail[] = {
      0x00B8, 0x00A8, 0x00E1, 0x00E8, 0x00EF, 0x00E9, 0x00EC, 0x00ED, 0x00F2, 0x00F3, 0x00F8, 0x0161,
      0x009D, 0x00FA, 0x00F9, 0x00FD, 0x017E, 0x00C1, 0x00C8, 0x00CF, 0x00C9, 0x00CC, 0x00CD, 0x00D2,
      0x00D3, 0x00D8, 0x0160, 0x008D, 0x00DA, 0x00D9, 0x00DD, 0x017D, 0x0153, 0x00B9, 0x00E6, 0x00EA,
      0x00B3, 0x00B3, 0x00F1, 0x00F3, 0x0153, 0x00BF, 0x0178, 0x00A5, 0x00C6, 0x00CA, 0x00D1, 0x00D3,
      0x0152, 0x00AF, 0x008F, 0x00B7, 0x00B2, 0x00A2, 0x00B1, 0x00A1, 0x00BC, 0x00AC, 0x00B6, 0x00A6};
  s.append(kTail, sizeof(kTail) / sizeof(kTail[0]));
  return s;
}

TMainParsingEngine::TMainParsingEngine()
    : FWordCharacters(DefaultWordCharacters()),
      FNonLeadingCharacters(u"'\"\u2019"),
      FNonTrailingCharacters(u"'\".\u2019"),
      FNonInnerCharacters(u"&") {
  BuildTables();
}

void TMainParsingEngine::BuildTables() {
  for (unsigned cp = 0; cp <= 255; ++cp) {
    const auto ch = static_cast<char16_t>(cp);
    FFastTable[cp] = platform::IsAlphaNumeric(ch) && !Contains(FExcludedCharacters, ch);
  }
  FSlowCharacters.clear();
  for (char16_t ch : FWordCharacters) {
    if (Contains(FExcludedCharacters, ch)) continue;
    if (ch > 254) FSlowCharacters += ch;
    else FFastTable[ch] = true;
  }
}

void TMainParsingEngine::SetWordCharacters(const std::u16string& Chars) {
  FWordCharacters = Chars;
  BuildTables();
}

void TMainParsingEngine::SetExcludedCharacters(const std::u16string& Chars) {
  FExcludedCharacters = Chars;
  BuildTables();
}

bool TMainParsingEngine::IsWordCharacter(char16_t Ch) const {
  if (Ch <= 254) return FFastTable[Ch];
  return (platform::IsAlphaNumeric(Ch) || Contains(FSlowCharacters, Ch)) && !Contains(FExcludedCharacters, Ch);
}

bool TMainParsingEngine::IsStartCharacter(char16_t Ch) const {
  return IsWordCharacter(Ch) && !Contains(FNonLeadingCharacters, Ch);
}

bool TMainParsingEngine::IsInnerCharacter(char16_t Ch) const {
  return IsWordCharacter(Ch) && !Contains(FNonInnerCharacters, Ch);
}

bool TMainParsingEngine::IsEndCharacter(char16_t Ch) const {
  return IsWordCharacter(Ch) && !Contains(FNonTrailingCharacters, Ch);
}

void TMainParsingEngine::SetElisionMode(bool On) {
  FElisionMode = On;
  const auto at = FNonInnerCharacters.find(u'\'');
  if (On && at == std::u16string::npos) FNonInnerCharacters += u'\'';
  if (!On && at != std::u16string::npos) FNonInnerCharacters.erase(at, 1);
}

void TMainParsingEngine::SetLanguage(std::int32_t LanguageId) {
  SetElisionMode((LanguageId & 0xFF) == 12);
  // Czech, Hungarian and Polish text uses the pound sign's code point for a letter of the
  // ANSI code page (ł / Ł in Windows-1250).
  const bool wantsPound = LanguageId == 1029 || LanguageId == 1038 || LanguageId == 1045;
  const auto at = FWordCharacters.find(kPound);
  if (wantsPound && at == std::u16string::npos) {
    FWordCharacters += kPound;
    BuildTables();
  } else if (!wantsPound && at != std::u16string::npos) {
    FWordCharacters.erase(at, 1);
    BuildTables();
  }
}

void TMainParsingEngine::PositionParser(TControlParser* Parser, TCheckMode Mode) {
  if (!Parser) return;
  std::int32_t startX = 0, startY = 0, endX = 0, endY = 0;
  switch (Mode) {
    case ckSelection:
      Parser->GetSelection(startX, startY, endX, endY);
      SeekWordStart(Parser, startX, startY);
      Parser->SetPosition(endX, endY, spEndBound);
      break;
    case ckFromCursor:
      Parser->GetSelection(startX, startY, endX, endY);
      SeekWordStart(Parser, startX, startY);
      break;
    case ckEntireText:
      Parser->SetPosition(0, 0, spCursor);
      break;
    default:  // ckWrapAround belongs to the check driver; ckAsPositioned uses the parser as it stands
      break;
  }
}

void TMainParsingEngine::SeekWordStart(TControlParser* Parser, std::int32_t X, std::int32_t Y) {
  if (!Parser) return;
  Parser->SetPosition(X, Y, spCursor);
  while (IsWordCharacter(Parser->GetChar()) && Parser->MovePrevious()) {
  }
}

void TMainParsingEngine::GetNextWord(TControlParser* Parser, std::u16string& Word) {
  Word.clear();
  if (!Parser) return;
  for (;;) {
    Word.clear();
    // Find the start of a word.
    char16_t ch;
    for (;;) {
      ch = Parser->GetChar();
      if (FCharacterHook) {
        bool handled = false;
        FCharacterHook(ch, Parser, handled);
        if (handled) continue;
      }
      if (IsStartCharacter(ch)) break;
      if (!Parser->MoveNext()) return;
    }
    // Extend it.
    Word = ch;
    bool sawPeriod = false;
    for (;;) {
      if (!Parser->MoveNext()) {
        if (!FKeepTruncatedLastWord) Word.clear();
        break;
      }
      ch = Parser->GetChar();
      if (IsInnerCharacter(ch)) {
        Word += ch;
        continue;
      }
      bool stop = true;
      if (FInnerPeriods && ch == u'.') {
        Parser->MoveNext();
        if (IsInnerCharacter(Parser->GetChar())) stop = false;
        if (Contains(Word, u'.')) {
          sawPeriod = true;
          stop = false;
        }
        Parser->MovePrevious();
      }
      if (FElisionMode && ch == u'\'') {
        const std::u16string lower = platform::LowerCase(Word);
        if (lower == u"aujourd" || lower == u"entr") stop = false;
      }
      if (stop) break;
      Word += ch;
    }
    // Trim characters that may not end a word.
    while (!Word.empty()) {
      const char16_t last = Word.back();
      if (IsEndCharacter(last)) break;
      if (sawPeriod && last == u'.') break;
      Word.pop_back();
      Parser->MovePrevious();
    }
    if (Word.empty() || !FWordHook) return;
    bool reject = false;
    FWordHook(Word, Parser, reject);
    if (!reject) return;
  }
}

}  // namespace lexoro
