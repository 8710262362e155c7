#pragma once

#include <exception>
#include <string>

// The root of the framework's exceptions: an error that carries a message for the user.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}

  const std::string& GetMessage() const { return FMessage; }
  void SetMessage(std::string message) { FMessage = std::move(message); }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  std::string FMessage;
};

#define DECLARE_EXCEPTION(Name, Base) \
  class Name : public Base {          \
   public:                            \
    using Base::Base;                 \
  }

// The framework's standard exceptions.
DECLARE_EXCEPTION(EAbort,
                  Exception);  // a silent exception: it ends an operation, nobody reports it
DECLARE_EXCEPTION(EConvertError, Exception);
DECLARE_EXCEPTION(EListError, Exception);
DECLARE_EXCEPTION(EStringListError, EListError);
DECLARE_EXCEPTION(EInvalidOperation, Exception);
DECLARE_EXCEPTION(EInvalidCast, Exception);
DECLARE_EXCEPTION(EComponentError, Exception);
DECLARE_EXCEPTION(EPropertyError, Exception);
DECLARE_EXCEPTION(EStreamError, Exception);
DECLARE_EXCEPTION(EFOpenError, EStreamError);
DECLARE_EXCEPTION(EFilerError, EStreamError);
DECLARE_EXCEPTION(EReadError, EFilerError);
DECLARE_EXCEPTION(EWriteError, EFilerError);
DECLARE_EXCEPTION(EClassNotFound, EFilerError);
DECLARE_EXCEPTION(EResNotFound, Exception);
