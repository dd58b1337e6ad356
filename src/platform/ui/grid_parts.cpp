#include "platform/ui/grid_parts.h"

#include "base/values.h"
#include "platform/ui/builders.h"

namespace tolvar::ui {

std::optional<double> GridNumber(const QString& text) { return base::ParseNumber(S(text)); }

Qt::Alignment GridAlignmentToQt(int code, const QString& text) {
  switch (code) {
    case kAlignLeftTop:
      return Qt::AlignLeft | Qt::AlignTop;
    case kAlignLeftCenter:
      return Qt::AlignLeft | Qt::AlignVCenter;
    case kAlignLeftBottom:
      return Qt::AlignLeft | Qt::AlignBottom;
    case kAlignCenterTop:
      return Qt::AlignHCenter | Qt::AlignTop;
    case kAlignCenterCenter:
      return Qt::AlignCenter;
    case kAlignCenterBottom:
      return Qt::AlignHCenter | Qt::AlignBottom;
    case kAlignRightTop:
      return Qt::AlignRight | Qt::AlignTop;
    case kAlignRightCenter:
      return Qt::AlignRight | Qt::AlignVCenter;
    case kAlignRightBottom:
      return Qt::AlignRight | Qt::AlignBottom;
    default:
      return (GridNumber(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  }
}

}  // namespace tolvar::ui
