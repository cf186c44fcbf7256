#include "../../shared/memo_line_model_cases.h"
#include "support/headless_test.h"
#include "ui/form.h"

namespace {

class MemoLineModelTest : public HeadlessTest {};

TEST_F(MemoLineModelTest, HeadlessMemoFollowsTheSharedCases) {
  ui::TForm form(ui::TFormParams{});
  ui::TMemo memo(form, {{0, 0, 100, 100}});
  for (const auto& c : memo_cases::Cases()) memo_cases::RunCase(memo, c);
}

}  // namespace
