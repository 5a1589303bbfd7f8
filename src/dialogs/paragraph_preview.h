// The miniature pages of the paragraph and bullet dialogs: grey lines of text around the
// paragraph being edited, drawn at 24 (paragraph) or 96 (bullet) pixels per inch.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/windows.h>

namespace zeledit::dialogs {

void DrawParagraphPreview(HDC dc, RECT box, const TParaFormat& format);
void DrawBulletPreview(HDC dc, RECT box, const TBullet& bullet);

} // namespace zeledit::dialogs
