#pragma once
// Selection tool tests: the tool fixture with CFG/ and LIBS/ folders, helpers that add objects of
// each kind to the ground floor, and a drag of the selection rectangle between two model points.
#include "tests/tools/toolfixture.h"

#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/circleobj.h"
#include "model/ellipseobj.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/openingobj.h"
#include "model/polyobj.h"
#include "model/rectangleobj.h"
#include "model/rndrectobj.h"
#include "model/textobj.h"
#include "tools/moveobjtool.h"
#include "tools/selectiongeometry.h"

#include <string>
#include <vector>

class SelectionTest : public ToolTest {
protected:
    SelectionTest()
    {
        std::filesystem::create_directories(dir.path() / "CFG");
        std::filesystem::create_directories(dir.path() / "LIBS");
        state().currentFillColour = MakeColour(255, 255, 255);
        state().reportWriteFailure = [this](const std::string& message) { reported.push_back(message); };
    }

    // Appends an object and returns its index.
    template <class T>
    T& Add(std::unique_ptr<T> object, int floor = GROUND_FLOOR)
    {
        object->floor = floor;
        T& added = *object;
        objects().Add(std::move(object));
        return added;
    }
    TLineobj& AddLine(int x1, int y1, int x2, int y2, int floor = GROUND_FLOOR)
    {
        auto line = std::make_unique<TLineobj>(1);
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        line->colour = int32_t(MakeColour(0, 0, 255));
        return Add(std::move(line), floor);
    }
    TTextobj& AddText(int x, int y, const std::string& text, int floor = GROUND_FLOOR)
    {
        auto object = std::make_unique<TTextobj>(4);
        object->x1 = x;
        object->y1 = y;
        object->SetText(text);
        object->SetFaceName("Arial");
        object->alignment = 3;
        object->fontHeight = 10;
        object->fontWeight = 400;
        return Add(std::move(object), floor);
    }
    TArcobj& AddArc(int x1, int y1, int x2, int y2, TPoint start, TPoint end)
    {
        auto arc = std::make_unique<TArcobj>(3);
        arc->x1 = x1;
        arc->y1 = y1;
        arc->x2 = x2;
        arc->y2 = y2;
        arc->arcStartX = start.x;
        arc->arcStartY = start.y;
        arc->arcEndX = end.x;
        arc->arcEndY = end.y;
        return Add(std::move(arc));
    }
    template <class T = TPolyobj>
    T& AddPolygon(int typeCode, const std::vector<TPoint>& vertices, int floor = GROUND_FLOOR)
    {
        auto polygon = std::make_unique<T>(typeCode);
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            polygon->vertexX[i] = vertices[i].x;
            polygon->vertexY[i] = vertices[i].y;
            polygon->vertexZ[i] = 7;
        }
        polygon->vertexCount = int32_t(vertices.size());
        return Add(std::move(polygon), floor);
    }
    TArrowobj& AddArrow(int x1, int y1, int x2, int y2)
    {
        auto arrow = std::make_unique<TArrowobj>(26000);
        arrow->x1 = x1;
        arrow->y1 = y1;
        arrow->x2 = x2;
        arrow->y2 = y2;
        arrow->barb1 = {x1 + 100, y1 + 50};
        arrow->barb2 = {x1 + 100, y1 - 50};
        arrow->tickA = {x1, y1 - 200};
        arrow->tickB = {x1, y1 + 200};
        return Add(std::move(arrow));
    }
    template <class T>
    T& AddBox(int typeCode, int x1, int y1, int x2, int y2)
    {
        auto box = std::make_unique<T>(typeCode);
        box->x1 = x1;
        box->y1 = y1;
        box->x2 = x2;
        box->y2 = y2;
        return Add(std::move(box));
    }

    // Drags the selection rectangle from one model point to another (multiples of 5).
    void Drag(TMoveobjtool& tool, TPoint fromModel, TPoint toModel)
    {
        Attach(tool);
        const TPoint from = Device(fromModel.x, fromModel.y);
        const TPoint to = Device(toModel.x, toModel.y);
        tool.LButtonDown(dc, client, from.x, from.y);
        tool.MouseMove(dc, client, to.x, to.y);
        TPoint release = to;
        tool.LButtonUp(dc, client, release);
    }
    // Clicks the left or right button at a model point.
    void Click(TMoveobjtool& tool, TPoint model)
    {
        const TPoint at = Device(model.x, model.y);
        tool.LButtonDown(dc, client, at.x, at.y);
    }
    void RightClick(TMoveobjtool& tool, TPoint model, int degrees)
    {
        tool.rotationStep() = degrees;
        tool.step = STEP_SELECTION_MOVING;
        TPoint at = Device(model.x, model.y);
        tool.RButtonDown(dc, client, at);
    }

    std::string Cfg(const std::string& name) const { return dir.prefix() + "CFG/" + name; }
    std::string Libs(const std::string& name) const { return dir.prefix() + "LIBS/" + name; }

    std::vector<std::string> reported;
};
