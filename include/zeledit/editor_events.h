// The events through which a component host presents the editor's notifications.
#pragma once

#include <zeledit/editor_records.h>
#include <zeledit/win_types.h>

#include <cstdint>
#include <functional>

class TCustomFormatEditor;
struct THyperTextInfo;
struct TCommentInfo;
struct TObjectInfo;
using PEditorState = TEditorState*;
using PHyperTextInfo = THyperTextInfo*;
using PObjectInfo = TObjectInfo*;

using TNotifyEvent = std::function<void(TCustomFormatEditor* Sender)>;
using TUpdateStateEvent = std::function<void(TCustomFormatEditor* Sender, PEditorState State)>;
using THyperLinkEvent = std::function<void(TCustomFormatEditor* Sender, PHyperTextInfo Info)>;
using TCommentEvent = std::function<void(TCustomFormatEditor* Sender, std::int32_t X, std::int32_t Y,
                                         const TCommentInfo& Info)>;
using TRightClickEvent = std::function<void(TCustomFormatEditor* Sender, std::int32_t APosition)>;
using TKeyDownEvent = std::function<void(TCustomFormatEditor* Sender, std::uint16_t Key, bool IsControl)>;
using TQueryHeaderFooter =
    std::function<void(TCustomFormatEditor* Sender, HDC dc, std::uint16_t APage, RECT ARect)>;
using TQueryDataObj = std::function<void(TCustomFormatEditor* Sender, const char* AText, std::uint16_t AStyle,
                                         HANDLE& AHandle)>;
using TObjectClick = std::function<void(TCustomFormatEditor* Sender, HANDLE AData, PObjectInfo Attr)>;
using TOriginEvent =
    std::function<void(TCustomFormatEditor* Sender, std::int32_t PageWidth, std::int32_t Origin)>;
using TBreakCharEvent = std::function<void(TCustomFormatEditor* Sender, char16_t AChar, std::int32_t AIndex)>;
using TDocCommand = std::function<void(TCustomFormatEditor* Sender, std::uint16_t ACommand)>;
using TDocTopLineChanged = std::function<void(TCustomFormatEditor* Sender, std::int32_t TopLine)>;
using TDocFileCommand = std::function<void(TCustomFormatEditor* Sender, std::uint16_t Task,
                                           bool& HasSpecified, LPCWSTR AFilename)>;
using TDocBufferChangedEvent =
    std::function<void(TCustomFormatEditor* Sender, std::int32_t Index, std::int32_t SizeChanged)>;
