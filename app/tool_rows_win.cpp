#include "app/tool_rows_win.h"

#include "selection/big_text_tool_win.h"
#include "selection/select_tool_win.h"
#include "selection/selection_win.h"
#include "selection/text_tool_win.h"
#include "tools/bucket_tool_win.h"
#include "tools/line_tool_win.h"
#include "tools/pencil_tool_win.h"
#include "tools/shape_tools_win.h"

// A tool without a procedure has null in its place; callers skip it.
const Tool toolRows[toolCount] = {
    {3, 128, 1, 2, SelectTemp, SelectIdle, SelectKey, SelectMouse, SelectActive, SelectButtons, SelectRecalc, SelectPlacing}, // select
    {39, 130, 5, 6, SelectTemp, SelectIdle, TextKey, TextMouse, TextActive, TextButtons, TextRecalc, TextPlacing}, // text
    {72, 131, 7, 8, SelectTemp, SelectIdle, BigTextKey, TextMouse, TextActive, BigTextButtons, BigTextRecalc, TextPlacing}, // big text
    {108, 132, 9, 10, nullptr, nullptr, PencilKey, PencilMouse, nullptr, PencilButtons, nullptr, PencilPlacing}, // pencil
    {141, 133, 11, 12, nullptr, nullptr, RubberKey, RubberMouse, nullptr, RubberButtons, nullptr, RubberPlacing}, // rubber
    {174, 134, 13, 14, nullptr, nullptr, BucketKey, BucketMouse, nullptr, BucketButtons, nullptr, BucketPlacing}, // bucket
    {210, 135, 15, 16, nullptr, nullptr, LineKey, LineMouse, nullptr, LineButtons, nullptr, LinePlacing}, // line
    {243, 136, 17, 18, nullptr, nullptr, CircleKey, CircleMouse, nullptr, CircleButtons, nullptr, CirclePlacing}, // circle
    {276, 137, 19, 20, nullptr, nullptr, RectangleKey, RectangleMouse, nullptr, RectangleButtons, nullptr, RectanglePlacing}, // rectangle
};
