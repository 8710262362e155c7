#include "graphics/FontCache.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

// The classic desktop's metrics at 96 pixels per inch.
int GetSystemMetrics(int index) {
  const TSurface& screen = TWindowSystem::Instance().Screen();
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
      return screen.Width();
    case SM_CYSCREEN:
      return screen.Height();
    case SM_CYFULLSCREEN:
      return screen.Height() - GetSystemMetrics(SM_CYCAPTION);
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
      return 16;
    case SM_CYCAPTION:
      return 19;
    case SM_CYSMCAPTION:
      return 15;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CYMENU:
      return 19;
    case SM_CXMIN:
      return 112;
    case SM_CYMIN:
      return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
      return 18;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
      return 4;
    case SM_CMOUSEBUTTONS:
      return 3;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
      return 1;
    default:
      return 0;
  }
}

BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT) {
  switch (action) {
    case SPI_GETFONTSMOOTHING:
      if (!pvParam) return FALSE;
      *static_cast<BOOL*>(pvParam) = TFontCache::Instance().GetSmoothing() ? TRUE : FALSE;
      return TRUE;
    case SPI_SETFONTSMOOTHING:
      TFontCache::Instance().SetSmoothing(uiParam != 0);
      return TRUE;
    case SPI_GETWORKAREA:
      if (!pvParam) return FALSE;
      *static_cast<TRect*>(pvParam) = TWindowSystem::Instance().Screen().Bounds();
      return TRUE;
    default:
      return FALSE;
  }
}
