#pragma once

#include <string>

#include "designintf/FloatProperty.h"

// Dates and times (TDateTime) in the fixed form of core/DateUtils.h: "2024-05-17 14:30:05",
// the time left out at midnight. As on the platform, zero (no date set) shows as blank and
// blank text sets zero; this holds for the date and time editors below too. A value no date
// can show appears as its number.
class TDateTimeProperty : public TFloatProperty {
  DECLARE_CLASS(TDateTimeProperty, TFloatProperty);

 public:
  TDateTimeProperty() = default;

  std::string GetValue() override;
  // Takes a date with an optional time, or a time alone; raises EConvertError
  // "'...' is not a valid date and time" for anything else.
  void SetValue(const std::string& value) override;
};

// Dates (TDate): "2024-05-17".
class TDateProperty : public TFloatProperty {
  DECLARE_CLASS(TDateProperty, TFloatProperty);

 public:
  TDateProperty() = default;

  std::string GetValue() override;
  // Raises EConvertError "'...' is not a valid date" for anything but a date.
  void SetValue(const std::string& value) override;
};

// Times of day (TTime): "14:30:05".
class TTimeProperty : public TFloatProperty {
  DECLARE_CLASS(TTimeProperty, TFloatProperty);

 public:
  TTimeProperty() = default;

  std::string GetValue() override;
  // Raises EConvertError "'...' is not a valid time" for anything but a time.
  void SetValue(const std::string& value) override;
};
