// Parsing reaches up into the engine.
#pragma once
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/parsing/ox3ParserBase.h"
