#include "streaming/Stream.h"

#include <algorithm>
#include <vector>

#include "core/Exception.h"
#include "core/Module.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"

IMPLEMENT_CLASS(TStream) {}

int64_t TStream::GetSize() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) {
  throw EStreamError("Stream size cannot be changed");
}

void TStream::ReadBuffer(void* buffer, size_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, size_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream* source, int64_t count) {
  if (count == 0) {
    source->SetPosition(0);
    count = source->GetSize();
  }
  std::vector<char> buffer(static_cast<size_t>(std::min<int64_t>(count, 65536)));
  for (int64_t left = count; left > 0;) {
    const size_t chunk =
        static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(buffer.size())));
    source->ReadBuffer(buffer.data(), chunk);
    WriteBuffer(buffer.data(), chunk);
    left -= static_cast<int64_t>(chunk);
  }
  return count;
}

std::string TStream::ReadToEnd() {
  std::string text(static_cast<size_t>(std::max<int64_t>(GetSize() - GetPosition(), 0)), '\0');
  ReadBuffer(text.data(), text.size());
  return text;
}

TComponent* TStream::ReadComponent(TComponent* instance) {
  TReader reader(ReadToEnd());
  return reader.ReadRootComponent(instance);
}

void TStream::WriteComponent(TComponent* instance, TStreamOriginalFormat format) {
  TWriter writer;
  writer.WriteRootComponent(instance);
  const std::string data = format == sofBinary ? writer.GetBinary() : writer.GetText();
  WriteBuffer(data.data(), data.size());
}
