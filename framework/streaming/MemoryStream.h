#pragma once

#include <string>
#include <vector>

#include "streaming/Stream.h"

// A stream held in memory.
class TMemoryStream : public TStream {
  DECLARE_CLASS(TMemoryStream, TStream);

 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string_view bytes);

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t GetSize() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t size) override;

  const unsigned char* GetMemory() const { return FData.data(); }
  void Clear();
  void LoadFromStream(TStream* stream);
  void SaveToStream(TStream* stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

 private:
  std::vector<unsigned char> FData;
  size_t FPosition = 0;
};
