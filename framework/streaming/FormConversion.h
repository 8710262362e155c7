#pragma once

#include <string>
#include <string_view>

#include "core/Forward.h"
#include "streaming/FormTree.h"
#include "streaming/Stream.h"

// Form files in either format, and conversions between them. A stored form in either format
// reads to the same tree.

// The format of the form file at the stream's position (the position is kept): binary by its
// signature, text when it begins (after blanks and a UTF-8 byte-order mark) with object,
// inherited or inline.
TStreamOriginalFormat TestStreamFormat(TStream* stream);
TStreamOriginalFormat TestFormFormat(std::string_view data);

// Parses a form file of either format. Raises EReadError naming the line (text) or byte offset
// (binary) of a fault.
TFormObject ParseFormData(std::string_view data);

// Read the form file from input's position to its end and write it in the other format at
// output's position. Raise EReadError for a faulty input and EWriteError for a tree that the
// output format cannot hold; nothing is written then.
void ObjectBinaryToText(TStream* input, TStream* output);
void ObjectTextToBinary(TStream* input, TStream* output);
// A form resource (binary or text, raw as modules embed it or inside a resource-file entry of
// type RCDATA) as text.
void ObjectResourceToText(TStream* input, TStream* output);
