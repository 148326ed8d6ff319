#include "skin/render/query_messages.h"

namespace tebix {

bool OnlyAsks(UINT message) {
  switch (message) {
    // Any window.
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_GETDLGCODE:
    case WM_GETICON:
    case WM_GETOBJECT:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_QUERYUISTATE:
    case WM_NOTIFYFORMAT:
    // Buttons.
    case BM_GETCHECK:
    case BM_GETSTATE:
    case BM_GETIMAGE:
    // List boxes.
    case LB_GETCOUNT:
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
    case LB_GETITEMDATA:
    case LB_GETCURSEL:
    case LB_GETSEL:
    case LB_GETSELCOUNT:
    case LB_GETTOPINDEX:
    case LB_GETITEMRECT:
    case LB_GETITEMHEIGHT:
    case LB_GETCARETINDEX:
    case LB_GETANCHORINDEX:
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_ITEMFROMPOINT:
    // Combo boxes.
    case CB_GETCOUNT:
    case CB_GETCURSEL:
    case CB_GETLBTEXT:
    case CB_GETLBTEXTLEN:
    case CB_GETITEMDATA:
    case CB_GETITEMHEIGHT:
    case CB_GETDROPPEDSTATE:
    case CB_GETDROPPEDCONTROLRECT:
    case CB_GETEDITSEL:
    case CB_GETEXTENDEDUI:
    case CB_GETTOPINDEX:
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    // Edit boxes.
    case EM_GETSEL:
    case EM_GETLINECOUNT:
    case EM_GETLINE:
    case EM_LINELENGTH:
    case EM_LINEINDEX:
    case EM_LINEFROMCHAR:
    case EM_GETMODIFY:
    case EM_GETFIRSTVISIBLELINE:
    case EM_GETRECT:
    case EM_GETLIMITTEXT:
    case EM_POSFROMCHAR:
    case EM_CHARFROMPOS:
    case EM_CANUNDO:
      return true;
  }
  return false;
}

}  // namespace tebix
