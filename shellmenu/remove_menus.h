// "删除菜单": deletes the data file, resets the entry tree, empties the
// entries and deletes every verb slot and cascade key publishing can write.
#pragma once

// `resetTree` puts the main window's tree back to its bare root; it runs
// after the data file is deleted and before the entries are emptied.
// Returns false when a registry deletion was refused; a slot or key that was
// already absent is no failure.
bool RemoveMenus(void (*resetTree)());
