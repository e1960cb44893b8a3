#pragma once
// A cell that reacts to a click inside a rectangle of its own (the hot rectangle): the layer under
// check boxes, drop-down cells and push buttons. Also the class-wide style word that each concrete
// cell class ORs into the style of all its cells.
#include "controls/grid/CellCtrl.h"

namespace controls {

class CCellButton : public CCellCtrl {
 public:
  void ResetHover() override;
  // Activates; a press inside the hot rectangle is a click.
  int OnLButtonDown(unsigned flags, int x, int y) override;
  void TrackHover(unsigned flags, int x, int y) override;

  // --- Own operations, called from within the cell classes only ------------------------------------
  virtual int OnClick(unsigned flags, int x, int y) = 0;
  virtual void Commit();
  virtual void Cancel();

 protected:
  fw::Rect m_rcHot;  // list-window client coordinates; empty until set by the concrete class
  bool m_bHot = false;
};

// The class-wide style word of the concrete cell class `Cell`, starting at `kInitialWord`.
template <class Cell, class Base, uint32_t kInitialWord>
class CCellWithClassStyle : public Base {
 public:
  uint32_t AddClassStyle(uint32_t bits) override { return s_classStyle |= bits; }
  uint32_t RemoveClassStyle(uint32_t bits) override { return s_classStyle &= ~bits; }
  uint32_t GetStyle() const override { return this->m_dwStyle | s_classStyle; }

 private:
  static inline uint32_t s_classStyle = kInitialWord;
};

}  // namespace controls
