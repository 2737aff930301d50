// The commands of the lexoro tool; each lives in a Cmd*.cpp file of its own.
#pragma once

#include "tools/ToolCommon.h"

namespace lexoro::tools {

// Main dictionaries (CmdDictionary.cpp).
extern const TCommand kCompileDictCommand;
extern const TCommand kLookupCommand;
extern const TCommand kEnumerateCommand;
extern const TCommand kInfoCommand;
// The tokenizer (CmdWords.cpp).
extern const TCommand kWordsCommand;
// Phonetic codes and suggestion candidates (CmdPhonetic.cpp, CmdCandidates.cpp).
extern const TCommand kPhoneticCommand;
extern const TCommand kCandidatesCommand;
// The thesaurus (CmdThesaurus.cpp).
extern const TCommand kCompileThesaurusCommand;
extern const TCommand kThesaurusCommand;

// Custom dictionaries and the word distance (CmdCustom.cpp).
extern const TCommand kCustomCommand;
extern const TCommand kCompileCustomCommand;
extern const TCommand kDistanceCommand;

// Spell-checking text with the spell component (CmdCheck.cpp, CmdPipe.cpp).
extern const TCommand kCheckCommand;
extern const TCommand kPipeCommand;

// The interface-language tables (CmdStrings.cpp).
extern const TCommand kStringsCommand;

}  // namespace lexoro::tools
