// What the main window shows of the log it has open, shared by its start-up and its switch.
#pragma once

namespace bw {

class Form1;

// The title: the product's alone while one log is known, else with the open log's name.
void showLogTitle(Form1& form);
// The grid and the trip commands take changes only while the open log can keep them.
void showLogAccess(Form1& form);

} // namespace bw
