#include "view/Commands.h"

namespace Commands {

bool validateToolbarItem(int tag, const State &state)
{
    switch (tag) {
    case ToolbarAdd:
    case ToolbarImport:
    case ToolbarStatistics:
    case ToolbarNote:
    case ToolbarTrends:
        return true;
    case ToolbarEdit:
    case ToolbarRemove:
        return state.rowSelected;
    case ToolbarExport:
        return state.diaryCount > 0;
    default: // the pop-ups' items (6, 7) and unknown tags
        return false;
    }
}

bool popupsEnabled(const State &state)
{
    return state.diaryCount > 0;
}

bool validateMenuItem(int tag, const QString &title, const State &state)
{
    // Whatever the rules, the item that stands for the other open windows
    // stays usable.
    if (title == QLatin1String("OtherViews"))
        return true;
    if (state.editSheetVisible)
        return tag == MenuAlways;
    switch (tag) {
    case MenuAlways:
    case MenuNew:
    case MenuImport:
    case MenuStatistics:
    case MenuNote:
    case MenuShowToolbar:
    case MenuTrends:
    case MenuUnitMgdl:
    case MenuUnitMmol:
        return true;
    case MenuReport:
        return state.viewCount > 0;
    case MenuEdit:
    case MenuRemove:
        return state.rowSelected;
    case MenuExport:
        return state.diaryCount > 0;
    default:
        if (kindIndexForMenuTag(tag) >= 0 || periodIndexForMenuTag(tag) >= 0)
            return state.viewCount > 0;
        return false;
    }
}

int kindIndexForMenuTag(int tag)
{
    return tag >= MenuKindAll && tag <= MenuKindTherapy ? tag - MenuKindAll : -1;
}

int periodIndexForMenuTag(int tag)
{
    return tag >= MenuPeriodEveryday && tag <= MenuPeriodLast100 ? tag - MenuPeriodEveryday : -1;
}

int menuTagForToolbarTag(int tag)
{
    switch (tag) {
    case ToolbarAdd: return MenuNew;
    case ToolbarEdit: return MenuEdit;
    case ToolbarRemove: return MenuRemove;
    case ToolbarExport: return MenuExport;
    case ToolbarImport: return MenuImport;
    case ToolbarStatistics: return MenuStatistics;
    case ToolbarNote: return MenuNote;
    case ToolbarTrends: return MenuTrends;
    default: return -1;
    }
}

} // namespace Commands
