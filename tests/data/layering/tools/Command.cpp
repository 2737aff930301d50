#include "tools/ToolCommon.h"
#include "lexoro/engine/ox3SpellBase.h"
#include "lexoro/dialogs/ox3ConfigurationDialogCtrl.h"
