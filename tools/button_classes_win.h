// The option buttons' classes, and the key handling of every tool that has a
// Character button.
#pragma once

#include <windows.h>

#include "document/document.h"
#include "page/text_conversion.h"
#include "tools/tool_bar_win.h"

// What a Justification button edits.
struct JustParams {
    std::int16_t *justPointer; // the Justification setting
    Justification maxJustify;  // the highest value offered
};

extern JustParams textJustParams;
extern JustParams bigTextJustParams;

// Each class's face, press and placing procedures, the rows of `buttons`.
void TransparentDraw(HDC context, ToolButton *button);
void TransparentMouse(Document *document, ToolButton *button, POINTS localPoint);
Placing TransparentPlacing(Document *document, ToolButton *button, POINTS localPoint);
void CharacterDraw(HDC context, ToolButton *button);
void CharacterMouse(Document *document, ToolButton *button, POINTS localPoint);
Placing CharacterPlacing(Document *document, ToolButton *button, POINTS localPoint);
void JustificationDraw(HDC context, ToolButton *button);
void JustificationMouse(Document *document, ToolButton *button, POINTS localPoint);
Placing JustificationPlacing(Document *document, ToolButton *button, POINTS localPoint);
void BigTextFontDraw(HDC context, ToolButton *button);
void BigTextFontMouse(Document *document, ToolButton *button, POINTS localPoint);
Placing BigTextFontPlacing(Document *document, ToolButton *button, POINTS localPoint);
void PictureSquishDraw(HDC context, ToolButton *button);
void PictureSquishMouse(Document *document, ToolButton *button, POINTS localPoint);
Placing PictureSquishPlacing(Document *document, ToolButton *button, POINTS localPoint);
void ShapeSizeDraw(HDC context, ToolButton *button);
void ShapeSizeMouse(Document *document, ToolButton *button, POINTS localPoint);
Placing ShapeSizePlacing(Document *document, ToolButton *button, POINTS localPoint);
void CompoundsDraw(HDC context, ToolButton *button);
void CompoundsMouse(Document *document, ToolButton *button, POINTS localPoint);
Placing CompoundsPlacing(Document *document, ToolButton *button, POINTS localPoint);
void RuleModeDraw(HDC context, ToolButton *button);
void RuleModeMouse(Document *document, ToolButton *button, POINTS localPoint);
Placing RuleModePlacing(Document *document, ToolButton *button, POINTS localPoint);

// A typed key for a tool with a Character button: arrows scroll, Backspace
// turns the automatic flag (`autoChar`, none for the bucket) on, an allowed
// character becomes the drawing character.
void CharacterKey(Document *document, char *autoChar, char keyChar);
