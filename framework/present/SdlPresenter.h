#pragma once

#include <memory>
#include <string>

#include "present/Presenter.h"

// A presenter that shows the desktop in one real window through SDL2, feeding SDL's mouse,
// keyboard and text events into the window system and showing its cursor. Null (with reason
// set) when SDL2 is missing from the build or cannot open a window.
std::unique_ptr<TPresenter> CreateSdlPresenter(const TPresenterOptions& options,
                                               std::string* reason);
