#include "resources/PageTemplates.h"

namespace res {

fw::DialogTemplate PageTemplateBase(int id, fw::Size units) {
  fw::DialogTemplate t;
  t.id = id;
  t.units = units;
  t.fontFace = "Arial";
  t.fontPoints = 10;
  // Created hidden: the main window shows one page at a time.
  t.style = fw::DS_CHILD | fw::DS_CONTROL;
  return t;
}

}  // namespace res
