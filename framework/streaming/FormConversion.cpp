#include "streaming/FormConversion.h"

#include <cstring>

#include "core/Exception.h"
#include "core/SysUtils.h"
#include "streaming/BinaryForm.h"
#include "streaming/FormParser.h"
#include "streaming/FormPrinter.h"
#include "streaming/Stream.h"

namespace {
std::string ReadRest(TStream* stream) {
  if (!stream) throw EStreamError("No stream given");
  return stream->ReadToEnd();
}

void WriteAll(TStream* stream, const std::string& bytes) {
  if (!stream) throw EStreamError("No stream given");
  stream->WriteBuffer(bytes.data(), bytes.size());
}

uint32_t ReadUInt32(std::string_view data, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 4; i-- > 0;)
    value = (value << 8) | static_cast<uint8_t>(data[offset + i]);
  return value;
}

// The data of the first RCDATA entry when data is a resource file (entries of a data size, a
// header size, a type, a name and more header fields, then the data, each aligned to four
// bytes; the first entry is an empty one); data itself otherwise.
std::string_view ResourceData(std::string_view data) {
  constexpr uint32_t RcData = 10;
  size_t offset = 0;
  while (offset + 16 <= data.size()) {
    const uint32_t dataSize = ReadUInt32(data, offset);
    const uint32_t headerSize = ReadUInt32(data, offset + 4);
    if (headerSize < 16 || headerSize > data.size() - offset ||
        dataSize > data.size() - offset - headerSize)
      break;
    // The type is a 0xFFFF marker and a number, or a name.
    const bool numericType = static_cast<uint8_t>(data[offset + 8]) == 0xFF &&
                             static_cast<uint8_t>(data[offset + 9]) == 0xFF;
    const uint32_t type = numericType ? (static_cast<uint8_t>(data[offset + 10]) |
                                         (static_cast<uint8_t>(data[offset + 11]) << 8))
                                      : 0;
    if (dataSize > 0 && numericType && type == RcData)
      return data.substr(offset + headerSize, dataSize);
    offset += headerSize + dataSize;
    offset = (offset + 3) & ~size_t{3};
  }
  return data;
}
}  // namespace

TStreamOriginalFormat TestFormFormat(std::string_view data) {
  if (IsBinaryForm(data)) return sofBinary;
  if (data.starts_with("\xEF\xBB\xBF")) data.remove_prefix(3);
  while (!data.empty() && static_cast<unsigned char>(data.front()) <= ' ')
    data.remove_prefix(1);
  for (std::string_view keyword : {"object", "inherited", "inline"})
    if (data.size() > keyword.size() && SameText(data.substr(0, keyword.size()), keyword) &&
        static_cast<unsigned char>(data[keyword.size()]) <= ' ')
      return sofText;
  return sofUnknown;
}

TStreamOriginalFormat TestStreamFormat(TStream* stream) {
  const int64_t position = stream->GetPosition();
  char head[64];
  const size_t count = stream->Read(head, sizeof(head));
  stream->SetPosition(position);
  return TestFormFormat(std::string_view(head, count));
}

TFormObject ParseFormData(std::string_view data) {
  if (IsBinaryForm(data)) return TBinaryFormParser(data).ParseForm();
  return TFormParser(data).ParseForm();
}

void ObjectBinaryToText(TStream* input, TStream* output) {
  const std::string data = ReadRest(input);
  WriteAll(output, PrintForm(TBinaryFormParser(data).ParseForm()));
}

void ObjectTextToBinary(TStream* input, TStream* output) {
  const std::string data = ReadRest(input);
  WriteAll(output, PrintBinaryForm(TFormParser(data).ParseForm()));
}

void ObjectResourceToText(TStream* input, TStream* output) {
  const std::string data = ReadRest(input);
  WriteAll(output, PrintForm(ParseFormData(ResourceData(data))));
}
