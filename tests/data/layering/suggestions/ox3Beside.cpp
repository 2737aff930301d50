#include "lexoro/suggestions/ox3Suggestions.h"
#include "lexoro/dictionaries/ox3MainDictionary.h"
#include "lexoro/parsing/ox3ParseEngine.h"
