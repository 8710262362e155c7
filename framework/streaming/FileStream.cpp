#include "streaming/FileStream.h"

#include <cerrno>
#include <cstring>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TFileStream) {}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : FFileName(fileName) {
  static const char* const modes[] = {"w+b", "rb", "r+b", "r+b"};
  FFile = std::fopen(fileName.c_str(), modes[mode]);
  if (!FFile) {
    const char* verb = mode == fmCreate ? "create" : "open";
    throw EFOpenError(Format("Cannot %s file %s: %s", verb, fileName, std::strerror(errno)));
  }
}

TFileStream::~TFileStream() {
  if (FFile) std::fclose(FFile);
}

size_t TFileStream::Read(void* buffer, size_t count) {
  return std::fread(buffer, 1, count, FFile);
}

size_t TFileStream::Write(const void* buffer, size_t count) {
  return std::fwrite(buffer, 1, count, FFile);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  static const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (std::fseek(FFile, offset, whence[origin]) != 0)
    throw EStreamError(Format("Cannot seek in file %s: %s", FFileName, std::strerror(errno)));
  return std::ftell(FFile);
}
