// Recalculating a sheet's or a workbook's formula cells in dependency order.
#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace bw::ss::formula {

namespace {

// One pass over a sheet's formula cells. Each formula is evaluated once, after the
// formula cells it reads; the walk keeps its own stack, so a chain of 20,000 cells
// that each read the one above costs no call depth.
class Recalculation {
public:
    explicit Recalculation(Worksheet& sheet) : sheet_(sheet)
    {
        for (auto& [row, info] : sheet.rows()) {
            for (auto& [col, cell] : info.cells) {
                if (!cell.hasFormula()) continue;
                index_.emplace(key({row, col}), static_cast<int>(cells_.size()));
                cells_.push_back({{row, col}, &cell});
            }
        }
        state_.assign(cells_.size(), State::Pending);
        circular_.assign(cells_.size(), false);
        stackIndex_.assign(cells_.size(), -1);
    }

    void run()
    {
        for (int i = 0; i < static_cast<int>(cells_.size()); ++i) {
            if (state_[i] == State::Pending) walkFrom(i);
        }
    }

private:
    enum class State : std::uint8_t { Pending, Active, Done };

    struct FormulaCell {
        CellAddress address;
        Cell* cell;
    };

    struct Frame {
        int cell;
        std::vector<int> precedents;
        std::size_t next = 0;
    };

    static std::int64_t key(CellAddress a)
    {
        return static_cast<std::int64_t>(a.row) * kMaxColumns + a.col;
    }

    // The formula cells that the formula of cell i reads.
    std::vector<int> precedentsOf(int i) const
    {
        std::vector<int> out;
        forEachReference(cells_[i].cell->formula->root, [&](const Node& ref) {
            const CellRange r = rangeOf(ref);
            const auto& rows = sheet_.rows();
            for (auto row = rows.lower_bound(r.first.row);
                 row != rows.end() && row->first <= r.last.row; ++row) {
                const auto& cells = row->second.cells;
                for (auto c = cells.lower_bound(r.first.col);
                     c != cells.end() && c->first <= r.last.col; ++c) {
                    if (!c->second.hasFormula()) continue;
                    out.push_back(index_.at(key({row->first, c->first})));
                }
            }
        });
        return out;
    }

    void push(std::vector<Frame>& stack, int i)
    {
        state_[i] = State::Active;
        stackIndex_[i] = static_cast<int>(stack.size());
        stack.push_back({i, precedentsOf(i)});
    }

    void walkFrom(int start)
    {
        std::vector<Frame> stack;
        push(stack, start);
        while (!stack.empty()) {
            Frame& top = stack.back();
            if (top.next < top.precedents.size()) {
                const int p = top.precedents[top.next++];
                if (state_[p] == State::Pending) {
                    push(stack, p);
                } else if (state_[p] == State::Active) {
                    // Back to a cell still waiting for its inputs: every cell on the
                    // path from there to here reads itself.
                    for (std::size_t k = static_cast<std::size_t>(stackIndex_[p]); k < stack.size();
                         ++k) {
                        circular_[stack[k].cell] = true;
                    }
                }
                continue;
            }
            finish(top.cell);
            stack.pop_back();
        }
    }

    void finish(int i)
    {
        FormulaCell& fc = cells_[i];
        if (circular_[i]) {
            fc.cell->value = Value::error(kCircularError);
        } else {
            Value v = Evaluator(sheet_, fc.address).value(fc.cell->formula->root);
            fc.cell->value = v.isEmpty() ? Value::number(0) : std::move(v);
        }
        state_[i] = State::Done;
        stackIndex_[i] = -1;
    }

    Worksheet& sheet_;
    std::vector<FormulaCell> cells_;
    std::unordered_map<std::int64_t, int> index_;
    std::vector<State> state_;
    std::vector<bool> circular_;
    std::vector<int> stackIndex_;
};

} // namespace

void recalculate(Worksheet& sheet)
{
    Recalculation(sheet).run();
    sheet.setNeedsRecalc(false);
}

void recalculate(Workbook& book)
{
    for (int i = 0; i < book.sheetCount(); ++i) {
        if (book.sheet(i).needsRecalc()) recalculate(book.sheet(i));
    }
}

} // namespace bw::ss::formula
