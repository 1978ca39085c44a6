// The client's command dispatch and the one place a figure in progress (held by its tool, drawn
// and not finished) is settled: before a command that reads or changes the drawing, as the
// command's row says.
#include "app/client.h"

#include "app/child.h"
#include "app/toolfamily.h"
#include "resources/menus.h"
#include "tools/drawingtool.h"

bool TClient::Command(int id)
{
    const TCommandRow* row = FindCommand(id);
    if (!row)
        return false;
    if (row->needs == TCommandNeed::PlanView && !InPlanView()) {
        MessageBox(PLAN_VIEW_REFUSAL, "", MB_OK | MB_ICONEXCLAMATION);
        return true;
    }
    // A move or turn not locked with Enter is not in the file: dropped, so that the command runs on
    // the list as the file holds it, by every row but Keep.
    switch (row->held) {
    case THeldFigure::Store:
        // The command runs on a list and file that hold the figure; one the file could not take
        // has been told, and the command runs no further (it would be told again).
        if (!SettleForNewTool())
            return true;
        break;
    case THeldFigure::TakeBack:
        // Edit/Undo takes back the move not locked, or else the figure in progress, and nothing else.
        if (PendingMove()) {
            DropPendingMove();
            return true;
        }
        if (TakeBackHeldFigure())
            return true;
        break;
    case THeldFigure::StoreWhenGoingAhead:
        DropPendingMove();
        break;
    case THeldFigure::Keep:
        break;
    }
    if (row->make) {
        std::unique_ptr<TDrawingtool> tool = row->make();
        tool->kind = row->kind;
        tool->step = row->step;
        if (!InstallTool(std::move(tool), row->family ? *row->family : PlainFamily()))
            return true;
        if (row->helpContext)
            helpContext = row->helpContext;
        if (row->toolName)
            SetToolName(row->toolName);
        if (row->prompt)
            SetPrompt(row->prompt);
    }
    if (row->handler)
        (this->*row->handler)();
    if (row->run)
        row->run(*this);
    return true;
}

void TClient::RestartFigure(TDrawingtool& tool)
{
    tool.RestartFigure();
    // The prompt of a tool kept over a zoom is the one it comes back with.
    const bool isKept = &tool == kept.tool.get();
    const TToolFamily& family = isKept ? (kept.family ? *kept.family : PlainFamily()) : Family();
    const char* restartPrompt = family.RestartPrompt(tool);
    if (!restartPrompt)
        return;
    if (isKept)
        kept.prompt = restartPrompt;
    else
        SetPrompt(restartPrompt);
}

bool TClient::SettleForNewTool()
{
    DropPendingMove();
    return StoreHeld() != THeldStore::NotWritten;
}

bool TClient::SettleToolForAWhile()
{
    if (!currentTool || !active)
        return true;
    if (currentTool->HoldsListChange())
        Family().Leaving(*active);
    if (!currentTool->HoldsFigure())
        return true;
    return StoreHeldOf(*currentTool, -1) != THeldStore::NotWritten;
}

bool TClient::PendingMove() const
{
    if (!active)
        return false;
    for (const TDrawingtool* tool : {currentTool.get(), kept.tool.get()})
        if (tool && tool->HoldsListChange())
            return true;
    return false;
}

void TClient::DropPendingMove()
{
    if (!PendingMove())
        return;
    // The tool kept over a zoom comes back first, so that its own family takes its change off.
    if (kept.tool && kept.tool->HoldsListChange() && !RestoreKeptTool())
        return;
    Family().Leaving(*active);
}

bool TClient::PaintsFromList(const TChild* window) const
{
    for (const TDrawingtool* tool : {currentTool.get(), kept.tool.get()})
        if (tool && tool->window == window && tool->HoldsListChange())
            return true;
    return false;
}

void TClient::Repainting(const TChild* window)
{
    for (TDrawingtool* tool : {currentTool.get(), kept.tool.get()})
        if (tool && tool->window == window)
            tool->Repainting();
}

void TClient::DrawHeldFigures(Canvas& dc, const TRect& clientRect, const TChild* window) const
{
    // The kept tool's figure too: a zoom in between does not hide what its last Enter stores.
    for (const TDrawingtool* tool : {currentTool.get(), kept.tool.get()})
        if (tool && tool->window == window)
            tool->DrawHeld(dc, clientRect);
}

void TClient::DrawShownFeedback(Canvas& dc, const TRect& clientRect, const TChild* window) const
{
    for (TDrawingtool* tool : {kept.tool.get(), currentTool.get()}) {
        if (!tool || tool->window != window)
            continue;
        // Each starts from the canvas's first state, as on a canvas made for one of its events.
        dc.ResetMapping();
        dc.SetROP2(RasterOp::Copy);
        dc.SelectPen(TPen{});
        dc.SelectBrush(TBrush{});
        dc.SetBkColor(Canvas::kFirstBkColour);
        tool->DrawShownFeedback(dc, clientRect);
    }
    dc.ResetMapping();
    dc.SetROP2(RasterOp::Copy);
}

bool TClient::HoldsFigure() const
{
    return (currentTool && currentTool->HoldsFigure()) || (kept.tool && kept.tool->HoldsFigure());
}

bool TClient::StoreHeldFigure(int before)
{
    return StoreHeld(before) != THeldStore::NotWritten;
}

TClient::THeldStore TClient::StoreHeld(int before)
{
    // What the user drew of a figure not finished stays in the drawing it was drawn on, on its
    // floor, written once; its tool starts the figure afresh. A figure the file could not take
    // (told) stays held, and the window shows the file with the figure over it.
    THeldStore result = THeldStore::NothingHeld;
    if (!active)
        return result;
    for (TDrawingtool* tool : {currentTool.get(), kept.tool.get()}) {
        if (!tool || !tool->HoldsFigure())
            continue;
        result = StoreHeldOf(*tool, before);
        if (result == THeldStore::NotWritten)
            return result;
    }
    return result;
}

TClient::THeldStore TClient::StoreHeldOf(TDrawingtool& tool, int before)
{
    if (!tool.StoreHeld(before)) {
        // Told by the failed write; the caller answers for it, not the tool's family.
        tool.heldNotStored = false;
        active->Refresh(0);
        return THeldStore::NotWritten;
    }
    RestartFigure(tool);
    return THeldStore::Stored;
}

bool TClient::TakeBackHeldFigure()
{
    bool taken = false;
    for (TDrawingtool* tool : {currentTool.get(), kept.tool.get()}) {
        if (!tool || !tool->HoldsFigure())
            continue;
        tool->DropHeld();
        RestartFigure(*tool);
        taken = true;
    }
    // Never written: the repaint from the file takes it off the screen.
    if (taken && active)
        active->Refresh(0);
    return taken;
}
