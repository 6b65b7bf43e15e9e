#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hueset {

// A set layout: -1 opens a new set, any other value is the position of a
// sequence in the alignment; the sequences after a -1 form that set.
inline constexpr int kSetHeader = -1;

// One set holding every sequence in alignment order.
std::vector<int> defaultSetLayout(int sequenceCount);

// The model of the multiple sets dialog: the source list (sequences that
// can still be added), the output list (set headers and sequences, in
// order), both selections, and every button, drag and drop of the dialog.
// The widgets show the two lists and forward the user's actions.
class SetLayoutModel {
 public:
  struct Item {
    int value;         // kSetHeader for a set header, else a sequence index
    std::string text;  // "Set #n" or the sequence name

    bool isHeader() const { return value == kSetHeader; }
    bool operator==(const Item&) const = default;
  };

  // Opens the dialog on `layout` (the default layout when empty). A layout
  // that uses a sequence twice turns on allowing duplicates.
  SetLayoutModel(std::vector<std::string> names, bool allowDuplicates,
                 const std::vector<int>& layout);

  const std::vector<Item>& source() const { return m_source; }
  const std::vector<Item>& output() const { return m_output; }
  const std::vector<std::string>& names() const { return m_names; }
  bool allowDuplicates() const { return m_allowDuplicates; }
  int nextSetNumber() const { return m_nextSetNumber; }
  // The note beside the check box.
  std::string_view duplicatesNote() const;

  // Selections are sorted row numbers of each list. The widgets report the
  // user's selection and show the model's after every action.
  const std::vector<int>& sourceSelection() const { return m_sourceSelection; }
  const std::vector<int>& outputSelection() const { return m_outputSelection; }
  void selectSource(std::vector<int> rows);
  void selectOutput(std::vector<int> rows);
  bool addEnabled() const { return !m_sourceSelection.empty(); }
  // A selection of only the first header counts as none.
  bool removeEnabled() const;

  // The buttons. `newSet` returns the row of the new header (to scroll to).
  int newSet();
  void add();
  void addAll();
  void remove();
  void removeAll();
  void moveUp();
  void moveDown();
  void setAllowDuplicates(bool allow);

  // Drag and drop. `target` is the output row the items go after; none (-1)
  // puts them at the end.
  void dropFromSource(int target);
  void dropWithinOutput(int target);
  // What the drop hint shows for a target row (-1: no target).
  std::string dropHint(int target) const;

  // The layout OK hands back: every output item's value in list order.
  std::vector<int> layout() const;

 private:
  Item sequenceItem(int index) const;
  Item newHeader();
  void fillSource();
  void insertIntoOutput(int position, const std::vector<Item>& items);
  // Moves the selected sequences (headers stay) to start before the item
  // that is at `target` now, keeping their order.
  void moveSelectedSequences(int target);
  std::vector<int> selectedOutputRows(bool withFirst) const;

  std::vector<std::string> m_names;
  bool m_allowDuplicates;
  int m_nextSetNumber = 1;
  std::vector<Item> m_source;
  std::vector<Item> m_output;
  std::vector<int> m_sourceSelection;
  std::vector<int> m_outputSelection;
};

// Auto-scroll while dragging: -1 when the cursor is above the first
// visible row, +1 below the last, 0 otherwise.
int dragScrollDirection(int cursorY, int viewTop, int viewBottom);

}  // namespace hueset
