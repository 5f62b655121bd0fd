#pragma once

#include <string>
#include <vector>

#include "platform/PaintContext.h"

namespace sonnavet::test {

struct DrawOp {
    enum Kind { Bitmap, Disc, Fill, Text, Icon };
    explicit DrawOp(Kind k) : kind(k) {}
    Kind kind;
    int x = 0, y = 0, width = 0, height = 0;   // bitmap: position and size; disc: centre and diameter
    int id = 0;                                 // bitmap or icon resource
    Color color{};
    Rect rect{};
    std::string text;
    std::string face;
    int pointSize = 0;
};

// Records every drawing call in order.
class RecordingPainter : public PaintContext {
public:
    void DrawBitmap(int bitmapId, int x, int y, int width, int height, int, int) override
    {
        DrawOp op(DrawOp::Bitmap);
        op.id = bitmapId;
        op.x = x;
        op.y = y;
        op.width = width;
        op.height = height;
        ops.push_back(op);
    }
    void DrawDisc(int cx, int cy, int diameter, Color color) override
    {
        DrawOp op(DrawOp::Disc);
        op.x = cx;
        op.y = cy;
        op.width = diameter;
        op.color = color;
        ops.push_back(op);
    }
    void FillRect(const Rect& rect) override
    {
        DrawOp op(DrawOp::Fill);
        op.rect = rect;
        ops.push_back(op);
    }
    void DrawWrappedText(const std::string& text, const Rect& rect, const std::string& face, int pointSize) override
    {
        DrawOp op(DrawOp::Text);
        op.text = text;
        op.rect = rect;
        op.face = face;
        op.pointSize = pointSize;
        ops.push_back(op);
    }
    void DrawIcon(int x, int y, int iconId) override
    {
        DrawOp op(DrawOp::Icon);
        op.x = x;
        op.y = y;
        op.id = iconId;
        ops.push_back(op);
    }

    std::vector<DrawOp> Of(DrawOp::Kind kind) const
    {
        std::vector<DrawOp> found;
        for (const auto& op : ops)
            if (op.kind == kind) found.push_back(op);
        return found;
    }

    std::vector<DrawOp> ops;
};

}  // namespace sonnavet::test
