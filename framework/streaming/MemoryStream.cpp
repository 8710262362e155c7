#include "streaming/MemoryStream.h"

#include <algorithm>
#include <cstring>

#include "core/Exception.h"
#include "core/Module.h"
#include "streaming/FileStream.h"

IMPLEMENT_CLASS(TMemoryStream) {}

TMemoryStream::TMemoryStream(std::string_view bytes) : FData(bytes.begin(), bytes.end()) {}

size_t TMemoryStream::Read(void* buffer, size_t count) {
  const size_t available = FPosition < FData.size() ? FData.size() - FPosition : 0;
  count = std::min(count, available);
  if (count) std::memcpy(buffer, FData.data() + FPosition, count);
  FPosition += count;
  return count;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
  if (FPosition + count > FData.size()) FData.resize(FPosition + count);
  if (count) std::memcpy(FData.data() + FPosition, buffer, count);
  FPosition += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == soCurrent) base = static_cast<int64_t>(FPosition);
  if (origin == soEnd) base = static_cast<int64_t>(FData.size());
  const int64_t position = base + offset;
  if (position < 0) throw EStreamError("Stream seek before its start");
  FPosition = static_cast<size_t>(position);
  return position;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("Stream size cannot be negative");
  FData.resize(static_cast<size_t>(size));
  FPosition = std::min(FPosition, FData.size());
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* stream) {
  stream->SetPosition(0);
  const int64_t size = stream->GetSize();
  FData.resize(static_cast<size_t>(size));
  stream->ReadBuffer(FData.data(), FData.size());
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream* stream) const {
  stream->WriteBuffer(FData.data(), FData.size());
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(&stream);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(&stream);
}
