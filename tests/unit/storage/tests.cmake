# Unit tests of the storage family.
